#include "topic_source.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

namespace {

// Code page 1252 at 0x80..0x9F: the Unicode character of each byte (0 where
// the byte is unused).
const uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

bool Cp1252Of(uint32_t code, char* out)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) {
        *out = (char)code;
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (kCp1252High[i] != 0 && kCp1252High[i] == code) {
            *out = (char)(0x80 + i);
            return true;
        }
    }
    return false;
}

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return std::string();
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool IsContextName(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s) {
        bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

// "text [link text](context) more" into spans.
std::vector<Span> ParseSpans(const std::string& line)
{
    std::vector<Span> spans;
    std::string plain;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == '[') {
            size_t close = line.find("](", i);
            size_t end = close == std::string::npos ? close : line.find(')', close + 2);
            if (end != std::string::npos) {
                std::string target = line.substr(close + 2, end - close - 2);
                std::string shown = line.substr(i + 1, close - i - 1);
                if (IsContextName(target) && !shown.empty() &&
                    shown.find('[') == std::string::npos) {
                    if (!plain.empty())
                        spans.push_back({plain, ""});
                    plain.clear();
                    spans.push_back({shown, target});
                    i = end + 1;
                    continue;
                }
            }
        }
        plain += line[i++];
    }
    if (!plain.empty())
        spans.push_back({plain, ""});
    return spans;
}

// "12. text": the length of the step number, 0 for any other line.
size_t StepNumberLength(const std::string& line)
{
    size_t n = 0;
    while (n < line.size() && n < 3 && line[n] >= '0' && line[n] <= '9')
        ++n;
    return n > 0 && line.compare(n, 2, ". ") == 0 ? n : 0;
}

struct Reader {
    HelpProject* project;
    std::string path;
    int lineNumber = 0;
    Topic* topic = nullptr;
    Paragraph pending;
    std::string pendingText;  // body, heading and bullet text gathered over lines
    bool open = false;

    std::string Where() const { return path + ":" + std::to_string(lineNumber); }

    void Flush()
    {
        if (!open)
            return;
        if (pending.kind != kPreformatted)
            pending.lines.push_back(ParseSpans(pendingText));
        topic->paragraphs.push_back(pending);
        pending = Paragraph();
        pendingText.clear();
        open = false;
    }

    void Start(ParagraphKind kind, const std::string& text)
    {
        Flush();
        pending.kind = kind;
        pendingText = text;
        open = true;
    }
};

bool Directive(Reader& r, const std::string& line, std::string* error)
{
    size_t space = line.find(' ');
    std::string name = line.substr(1, space == std::string::npos ? std::string::npos : space - 1);
    std::string rest = space == std::string::npos ? std::string() : Trim(line.substr(space + 1));
    r.Flush();
    if (name == "helptitle") {
        r.project->title = rest;
    } else if (name == "copyright") {
        r.project->copyright = rest;
    } else if (name == "contents") {
        r.project->contents = rest;
    } else if (name == "topic") {
        if (!IsContextName(rest)) {
            *error = r.Where() + ": context name expected after @topic";
            return false;
        }
        r.project->topics.push_back(Topic());
        r.topic = &r.project->topics.back();
        r.topic->context = rest;
        r.topic->where = r.Where();
    } else if (r.topic == nullptr) {
        *error = r.Where() + ": @" + name + " before the first @topic";
        return false;
    } else if (name == "title") {
        r.topic->title = rest;
    } else if (name == "book") {
        r.topic->book = rest;
    } else if (name == "keyword") {
        if (rest.empty()) {
            *error = r.Where() + ": empty @keyword";
            return false;
        }
        r.topic->keywords.push_back(rest);
    } else if (name == "map") {
        std::istringstream words(rest);
        std::string word;
        while (words >> word) {
            // "4030:293" is control 4030 of the dialog coded 293: 4030 x 65536 + 293.
            char* end = nullptr;
            unsigned long value = strtoul(word.c_str(), &end, 0);
            if (*end == ':' && end != word.c_str() && value <= 0xFFFF) {
                const char* low = end + 1;
                unsigned long code = strtoul(low, &end, 0);
                value = end != low && code <= 0xFFFF ? (value << 16 | code) : 0x100000000ul;
            }
            if (end == word.c_str() || *end != '\0' || value > 0xFFFFFFFFul) {
                *error = r.Where() + ": not a topic number: " + word;
                return false;
            }
            r.topic->mapIds.push_back((uint32_t)value);
        }
    } else {
        *error = r.Where() + ": unknown directive @" + name;
        return false;
    }
    return true;
}

bool BodyLine(Reader& r, const std::string& line, std::string* error)
{
    if (r.topic == nullptr) {
        *error = r.Where() + ": text before the first @topic";
        return false;
    }
    if (line.compare(0, 3, "== ") == 0) {
        r.Start(kHeading, Trim(line.substr(3)));
        r.Flush();
    } else if (line.compare(0, 2, "- ") == 0) {
        r.Start(kBullet, Trim(line.substr(2)));
    } else if (size_t n = StepNumberLength(line)) {
        r.Start(kBullet, Trim(line.substr(n + 2)));
        r.pending.marker = line.substr(0, n + 1);
    } else if (line[0] == '|') {
        std::string text = line.size() > 2 ? line.substr(2) : std::string();
        if (!r.open || r.pending.kind != kPreformatted) {
            r.Flush();
            r.pending.kind = kPreformatted;
            r.open = true;
        }
        r.pending.lines.push_back(ParseSpans(text));
    } else if (r.open && r.pending.kind != kPreformatted) {
        r.pendingText += " " + Trim(line);
    } else {
        r.Start(kBody, Trim(line));
    }
    return true;
}

}  // namespace

bool Utf8ToCp1252(const std::string& in, std::string* out, std::string* error)
{
    out->clear();
    for (size_t i = 0; i < in.size();) {
        unsigned char c = (unsigned char)in[i];
        uint32_t code = c;
        int extra = c < 0x80 ? 0 : (c & 0xE0) == 0xC0 ? 1 : (c & 0xF0) == 0xE0 ? 2 :
                                    (c & 0xF8) == 0xF0 ? 3 : -1;
        if (extra < 0 || i + extra >= in.size() + (extra == 0 ? 1 : 0)) {
            *error = "malformed UTF-8";
            return false;
        }
        if (extra > 0) {
            code = c & (0x3F >> extra);
            for (int k = 1; k <= extra; ++k) {
                unsigned char cc = (unsigned char)in[i + k];
                if ((cc & 0xC0) != 0x80) {
                    *error = "malformed UTF-8";
                    return false;
                }
                code = code << 6 | (cc & 0x3F);
            }
        }
        char byte;
        if (!Cp1252Of(code, &byte)) {
            *error = "character " + in.substr(i, extra + 1) + " has no place in code page 1252";
            return false;
        }
        *out += byte;
        i += extra + 1;
    }
    return true;
}

bool ReadTopicSource(const std::string& path, HelpProject* project, std::string* error)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        *error = path + ": cannot be read";
        return false;
    }
    Reader r;
    r.project = project;
    r.path = path;
    std::string raw;
    while (std::getline(file, raw)) {
        ++r.lineNumber;
        while (!raw.empty() && (raw.back() == '\r' || raw.back() == ' ' || raw.back() == '\t'))
            raw.pop_back();
        std::string line;
        std::string why;
        if (!Utf8ToCp1252(raw, &line, &why)) {
            *error = r.Where() + ": " + why;
            return false;
        }
        if (!line.empty() && line[0] == '#')
            continue;
        if (line.empty()) {
            if (r.topic)
                r.Flush();
            continue;
        }
        bool ok = line[0] == '@' ? Directive(r, line, error) : BodyLine(r, line, error);
        if (!ok)
            return false;
    }
    if (r.topic)
        r.Flush();
    return true;
}

static std::string Folded(const std::string& text)
{
    std::string out;
    for (char c : text)
        out += (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c;
    return out;
}

std::vector<Keyword> KeywordIndex(const HelpProject& project)
{
    std::vector<Keyword> index;
    for (size_t t = 0; t < project.topics.size(); ++t) {
        const Topic& topic = project.topics[t];
        if (!topic.book.empty())
            index.push_back({topic.title, t});
        for (const std::string& keyword : topic.keywords)
            index.push_back({keyword, t});
    }
    std::stable_sort(index.begin(), index.end(), [](const Keyword& a, const Keyword& b) {
        return Folded(a.text) < Folded(b.text);
    });
    return index;
}

bool CheckProject(const HelpProject& project, std::string* error)
{
    std::map<std::string, const Topic*> byKeyword;
    for (const Keyword& keyword : KeywordIndex(project)) {
        const Topic& topic = project.topics[keyword.topic];
        auto found = byKeyword.emplace(Folded(keyword.text), &topic);
        if (!found.second && found.first->second != &topic) {
            *error = topic.where + ": keyword \"" + keyword.text + "\" already names topic " +
                     found.first->second->context;
            return false;
        }
    }
    std::map<std::string, const Topic*> byContext;
    std::map<uint32_t, const Topic*> byNumber;
    for (const Topic& topic : project.topics) {
        if (topic.title.empty()) {
            *error = topic.where + ": topic " + topic.context + " has no @title";
            return false;
        }
        if (!byContext.emplace(topic.context, &topic).second) {
            *error = topic.where + ": context " + topic.context + " defined twice";
            return false;
        }
        for (uint32_t id : topic.mapIds) {
            auto found = byNumber.emplace(id, &topic);
            if (!found.second) {
                char text[16];
                snprintf(text, sizeof text, "0x%08X", (unsigned)id);
                *error = topic.where + ": topic number " + text + " already maps to " +
                         found.first->second->context;
                return false;
            }
        }
    }
    if (byContext.count(project.contents) == 0) {
        *error = "no contents topic \"" + project.contents + "\"";
        return false;
    }
    for (const Topic& topic : project.topics) {
        for (const Paragraph& paragraph : topic.paragraphs) {
            for (const auto& line : paragraph.lines) {
                for (const Span& span : line) {
                    if (!span.link.empty() && byContext.count(span.link) == 0) {
                        *error = topic.where + ": link to unknown context " + span.link;
                        return false;
                    }
                }
            }
        }
    }
    return true;
}
