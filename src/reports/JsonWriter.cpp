#include "reports/JsonWriter.h"

#include <cstdio>

namespace veltrin {

void JsonWriter::NewLine() {
    out_ += '\n';
    out_.append(2 * empty_.size(), ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (empty_.empty()) return;
    if (!empty_.back()) out_ += ',';
    empty_.back() = false;
    NewLine();
}

void JsonWriter::Key(std::string_view name) {
    BeforeValue();
    Quoted(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::Open(char bracket) {
    BeforeValue();
    out_ += bracket;
    empty_.push_back(true);
}

void JsonWriter::Close(char bracket) {
    const bool empty = empty_.back();
    empty_.pop_back();
    if (!empty) NewLine();
    out_ += bracket;
}

void JsonWriter::Quoted(std::string_view text) {
    out_ += '"';
    for (const char c : text) {
        switch (c) {
            case '"':
                out_ += "\\\"";
                break;
            case '\\':
                out_ += "\\\\";
                break;
            case '\n':
                out_ += "\\n";
                break;
            case '\t':
                out_ += "\\t";
                break;
            case '\r':
                out_ += "\\r";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                    out_ += escaped;
                } else {
                    out_ += c;
                }
        }
    }
    out_ += '"';
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    Quoted(value);
}

void JsonWriter::Number(long long value) {
    BeforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
    BeforeValue();
    out_ += "null";
}

std::string JsonWriter::Take() {
    std::string text = std::move(out_);
    out_.clear();
    empty_.clear();
    afterKey_ = false;
    text += '\n';
    return text;
}

}  // namespace veltrin
