#pragma once
// JSON text written as it goes, indented by two blanks a level, one member or element a line.
// Strings are taken as UTF-8 and written as they are, with the characters JSON reserves escaped.

#include <string>
#include <string_view>
#include <vector>

namespace veltrin {

class JsonWriter {
  public:
    void BeginObject() { Open('{'); }
    void EndObject() { Close('}'); }
    void BeginArray() { Open('['); }
    void EndArray() { Close(']'); }
    // The name of the next member of an object.
    void Key(std::string_view name);
    void String(std::string_view value);
    void Number(long long value);
    void Bool(bool value);
    void Null();
    // The text, ending with a line end.
    std::string Take();

  private:
    void BeforeValue();
    void Open(char bracket);
    void Close(char bracket);
    void Quoted(std::string_view text);
    void NewLine();
    std::string out_;
    std::vector<bool> empty_;  // for each open level, whether it has no member yet
    bool afterKey_ = false;
};

}  // namespace veltrin
