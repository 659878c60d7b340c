// helpms: writes a user guide's groff source with the help topics it names
// pulled in, so that a text the help file and a guide share is written once,
// in the help topic sources.
//   helpms GUIDE.ms OUT.ms FIGURE_DIR HELP.txt...
// Lines of the guide that pull:
//   .HELP context              the topic's introduction: its text before the first "=="
//   .HELP context Section      the paragraphs under "== Section"
//   .HELPALL context           the whole text of the topic, its sections as headings
//   .FIELDS context...         each topic as an entry: its title in bold, then its text
//   .PIC name Caption          FIGURE_DIR/name.pdf, at its own proportions
// A paragraph that begins with "Vedere" is the help file's way to the next
// topic: a guide leaves it out. Every other line is copied as it is.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "topic_source.h"

namespace {

// Code page 1252 back to UTF-8, the encoding groff reads the guides in.
std::string Utf8Of(const std::string& cp1252)
{
    static const uint16_t kHigh[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
        0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178,
    };
    std::string out;
    for (unsigned char c : cp1252) {
        uint32_t code = c >= 0x80 && c < 0xA0 ? kHigh[c - 0x80] : c;
        if (code < 0x80) {
            out += (char)code;
        } else if (code < 0x800) {
            out += (char)(0xC0 | code >> 6);
            out += (char)(0x80 | (code & 0x3F));
        } else {
            out += (char)(0xE0 | code >> 12);
            out += (char)(0x80 | (code >> 6 & 0x3F));
            out += (char)(0x80 | (code & 0x3F));
        }
    }
    return out;
}

// A text as groff input: backslashes printed, a minus between blanks set as
// a minus sign, straight double quotes turned into typographic ones (not in
// a fixed-font block), and a line that would read as a request made plain.
std::string Groff(const std::string& text, bool fixed = false)
{
    std::string out;
    bool open = false;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\')
            out += "\\e";
        else if (text[i] == '"' && !fixed)
            out += (open = !open) ? "\\(lq" : "\\(rq";
        else if (text[i] == '-' && i > 0 && text[i - 1] == ' ' &&
                 (i + 1 == text.size() || text[i + 1] == ' '))
            out += "\\-";
        else
            out += text[i];
    }
    if (!out.empty() && (out[0] == '.' || out[0] == '\''))
        out = "\\&" + out;
    return Utf8Of(out);
}

std::string Plain(const std::vector<Span>& spans)
{
    std::string text;
    for (const Span& span : spans)
        text += span.text;
    return text;
}

bool IsCrossReference(const Paragraph& p)
{
    return p.kind == kBody && !p.lines.empty() && Plain(p.lines[0]).compare(0, 7, "Vedere ") == 0;
}

void WriteParagraph(std::ostream& out, const Paragraph& p)
{
    switch (p.kind) {
    case kHeading:
        out << ".SH\n" << Groff(Plain(p.lines[0])) << "\n";
        break;
    case kBullet:
        if (p.marker.empty())
            out << ".IP \\(bu 1.5m\n";
        else
            out << ".IP " << p.marker << " 2m\n";
        out << Groff(Plain(p.lines[0])) << "\n";
        break;
    case kPreformatted:
        out << ".FB\n";
        for (const std::vector<Span>& line : p.lines)
            out << Groff(Plain(line), true) << "\n";
        out << ".FF\n";
        break;
    default:
        out << ".PP\n" << Groff(Plain(p.lines[0])) << "\n";
        break;
    }
}

const Topic* FindTopic(const HelpProject& project, const std::string& context)
{
    for (const Topic& topic : project.topics)
        if (topic.context == context)
            return &topic;
    return nullptr;
}

std::string Trimmed(std::string s)
{
    size_t b = s.find_first_not_of(" \t");
    size_t e = s.find_last_not_of(" \t\r");
    s = b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        s = s.substr(1, s.size() - 2);
    return s;
}

// ".HELP context [Section]", and ".HELPALL context" when whole.
bool PullTopic(std::ostream& out, const HelpProject& project, const std::string& args, bool whole,
               std::string* error)
{
    std::istringstream words(args);
    std::string context;
    words >> context;
    std::string rest;
    std::getline(words, rest);
    std::string section = Utf8Of(Trimmed(rest));
    std::string wanted;
    if (!section.empty() && !Utf8ToCp1252(section, &wanted, error))
        return false;
    const Topic* topic = FindTopic(project, context);
    if (!topic) {
        *error = "no help topic \"" + context + "\"";
        return false;
    }
    // The introduction comes before the first heading, a section after its own.
    bool inside = whole || wanted.empty();
    bool found = wanted.empty();
    for (const Paragraph& p : topic->paragraphs) {
        if (!whole && p.kind == kHeading) {
            inside = !wanted.empty() && Plain(p.lines[0]) == wanted;
            found = found || inside;
            continue;
        }
        if (inside && !IsCrossReference(p))
            WriteParagraph(out, p);
    }
    if (!found) {
        *error = "help topic \"" + context + "\" has no section \"" + section + "\"";
        return false;
    }
    return true;
}

// ".FIELDS context..."
bool PullFields(std::ostream& out, const HelpProject& project, const std::string& args,
                std::string* error)
{
    std::istringstream words(args);
    std::string context;
    while (words >> context) {
        const Topic* topic = FindTopic(project, context);
        if (!topic) {
            *error = "no help topic \"" + context + "\"";
            return false;
        }
        bool first = true;
        for (const Paragraph& p : topic->paragraphs) {
            if (IsCrossReference(p))
                continue;
            if (first && p.kind == kBody) {
                out << ".PP\n\\fB" << Groff(topic->title) << "\\fP \\(em " << Groff(Plain(p.lines[0]))
                    << "\n";
            } else {
                if (first)
                    out << ".PP\n\\fB" << Groff(topic->title) << "\\fP\n";
                WriteParagraph(out, p);
            }
            first = false;
        }
    }
    return true;
}

// ".PIC name Caption": the picture's size in points from its MediaBox, for
// the FIGURE macro of fonexa.tmac.
bool PullPicture(std::ostream& out, const std::string& figures, const std::string& args,
                 std::string* error)
{
    std::istringstream words(args);
    std::string name;
    words >> name;
    std::string caption;
    std::getline(words, caption);
    std::string path = figures + "/" + name + ".pdf";
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    std::string pdf = bytes.str();
    size_t box = pdf.find("/MediaBox");
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    if (!file || box == std::string::npos ||
        sscanf(pdf.c_str() + box, "/MediaBox [%lf %lf %lf %lf]", &x0, &y0, &x1, &y1) != 4 ||
        x1 <= x0 || y1 <= y0) {
        *error = path + ": not a picture made by make screenshots";
        return false;
    }
    out << ".FIGURE " << name << ".pdf " << (int)(x1 - x0 + 0.5) << " " << (int)(y1 - y0 + 0.5)
        << " \"" << Trimmed(caption) << "\"\n";
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        fprintf(stderr, "usage: helpms GUIDE.ms OUT.ms FIGURE_DIR HELP.txt...\n");
        return 2;
    }
    HelpProject project;
    std::string error;
    for (int i = 4; i < argc; ++i) {
        if (!ReadTopicSource(argv[i], &project, &error)) {
            fprintf(stderr, "helpms: %s\n", error.c_str());
            return 1;
        }
    }
    std::ifstream guide(argv[1]);
    if (!guide) {
        fprintf(stderr, "helpms: %s cannot be read\n", argv[1]);
        return 1;
    }
    std::ostringstream out;
    std::string line;
    int number = 0;
    while (std::getline(guide, line)) {
        ++number;
        bool ok = true;
        if (line.compare(0, 6, ".HELP ") == 0)
            ok = PullTopic(out, project, line.substr(6), false, &error);
        else if (line.compare(0, 9, ".HELPALL ") == 0)
            ok = PullTopic(out, project, line.substr(9), true, &error);
        else if (line.compare(0, 8, ".FIELDS ") == 0)
            ok = PullFields(out, project, line.substr(8), &error);
        else if (line.compare(0, 5, ".PIC ") == 0)
            ok = PullPicture(out, argv[3], line.substr(5), &error);
        else
            out << line << "\n";
        if (!ok) {
            fprintf(stderr, "helpms: %s:%d: %s\n", argv[1], number, error.c_str());
            return 1;
        }
    }
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();
    if (!file) {
        fprintf(stderr, "helpms: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
