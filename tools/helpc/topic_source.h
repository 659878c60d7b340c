// The readable sources of the help file: Italian text in UTF-8, one topic per
// context (see resources/help/README.md for the syntax), read into a project
// whose texts are already in code page 1252.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A run of text in one style; a non-empty link names the context it jumps to.
struct Span {
    std::string text;
    std::string link;
};

enum ParagraphKind { kBody, kHeading, kBullet, kPreformatted, kTitle };

// Preformatted paragraphs keep their lines: each line is one span list,
// separated by line breaks.
struct Paragraph {
    ParagraphKind kind = kBody;
    std::vector<std::vector<Span>> lines;
    std::string marker;  // a bullet's mark: "" for the bullet sign, "1." for a step
};

struct Topic {
    std::string context;            // the name links and "-i" use
    std::string title;              // cp1252
    std::string book;               // contents book, empty: not in the contents
    std::vector<uint32_t> mapIds;   // the numbers the program asks for
    std::vector<std::string> keywords;  // @keyword lines (cp1252)
    std::vector<Paragraph> paragraphs;
    std::string where;              // "file:line" of the @topic line
};

struct HelpProject {
    std::string title = "Guida";
    std::string copyright;
    std::string contents;           // context of the contents topic
    std::vector<Topic> topics;
};

// Converts UTF-8 to code page 1252. False, with the offending character in
// error, when a character has no place in 1252.
bool Utf8ToCp1252(const std::string& in, std::string* out, std::string* error);

// Reads one source file into the project. False with a "file:line: message"
// error on the first fault.
bool ReadTopicSource(const std::string& path, HelpProject* project, std::string* error);

// The keyword index: each topic of a contents book under its title, and
// every @keyword; sorted without regard to letter case. Each keyword names one
// topic (the viewer cannot offer a choice).
struct Keyword {
    std::string text;
    size_t topic;
};
std::vector<Keyword> KeywordIndex(const HelpProject& project);

// Checks the whole project: a contents topic, unique contexts, numbers and
// keywords, every link resolved. False with the first fault.
bool CheckProject(const HelpProject& project, std::string* error);
