#pragma once
// The Scripture readings as the data files write them: "Мф 38 10:32-33,37-38;19:27-30" is
// Matthew, zachalo 38, chapter 10 verses 32 to 33 and 37 to 38, chapter 19 verses 27 to 30;
// "4:25-5:12" runs across chapters; "108п" is a zachalo read from its middle; "-" stands for
// no zachalo (the Old Testament). Several readings are parted by " / ". A reading that cannot be
// read is left out.

#include <string>
#include <string_view>
#include <vector>

namespace veltrin {

struct VerseSpan {
    int from = 0;
    int toChapter = 0;  // the chapter of `to`: another one when the span runs across chapters
    int to = 0;         // 0: a single verse
};

struct ChapterPart {
    int chapter = 0;
    std::vector<VerseSpan> spans;
};

struct Reading {
    std::string book;  // the book's code: "Мф", "1Кор", "Ис"
    int zachalo = 0;   // 0: none
    bool fromMiddle = false;
    std::vector<ChapterPart> parts;
};

std::vector<Reading> ParseReadings(std::string_view text);

// A commemoration's readings with the label the calendar prints before them ("Свт.:").
struct LabeledReadings {
    std::string label;
    std::vector<Reading> readings;
};
LabeledReadings ParseLabeledReadings(std::string_view text);

}  // namespace veltrin
