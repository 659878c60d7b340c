#include "topic_scan.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

struct Function {
    std::string parameter;
    std::string body;
};

struct Symbols {
    std::map<std::string, long long> values;
    std::map<std::string, Function> functions;
};

// A small evaluator of the integer expressions the tables use.
class Expression {
public:
    Expression(const std::string& text, const Symbols& symbols) : text_(text), symbols_(symbols) {}

    bool Evaluate(long long* value)
    {
        pos_ = 0;
        ok_ = true;
        *value = Or();
        Skip();
        return ok_ && pos_ == text_.size();
    }

private:
    void Skip()
    {
        while (pos_ < text_.size() && isspace((unsigned char)text_[pos_]))
            ++pos_;
    }
    bool Eat(const char* op)
    {
        Skip();
        size_t n = strlen(op);
        if (text_.compare(pos_, n, op) == 0 &&
            !(n == 1 && op[0] == '|' && text_.compare(pos_, 2, "||") == 0)) {
            pos_ += n;
            return true;
        }
        return false;
    }
    std::string Identifier()
    {
        Skip();
        size_t start = pos_;
        while (pos_ < text_.size() && (isalnum((unsigned char)text_[pos_]) || text_[pos_] == '_'))
            ++pos_;
        return text_.substr(start, pos_ - start);
    }
    long long Or()
    {
        long long v = Shift();
        while (ok_ && Eat("|"))
            v |= Shift();
        return v;
    }
    long long Shift()
    {
        long long v = Add();
        while (ok_ && Eat("<<"))
            v <<= Add();
        return v;
    }
    long long Add()
    {
        long long v = Mul();
        for (;;) {
            if (Eat("+"))
                v += Mul();
            else if (Eat("-"))
                v -= Mul();
            else
                return v;
        }
    }
    long long Mul()
    {
        long long v = Primary();
        while (ok_ && Eat("*"))
            v *= Primary();
        return v;
    }
    static bool IsTypeName(const std::string& s)
    {
        static const char* const kTypes[] = {"DWORD", "UINT", "ULONG", "ULONG_PTR", "int",
                                             "unsigned", "long", "uint32_t", "WORD"};
        for (const char* t : kTypes)
            if (s == t)
                return true;
        return false;
    }
    long long Primary()
    {
        Skip();
        if (pos_ >= text_.size()) {
            ok_ = false;
            return 0;
        }
        if (text_[pos_] == '(') {
            size_t save = pos_;
            ++pos_;
            std::string type = Identifier();
            if (IsTypeName(type) && Eat(")"))
                return Primary();  // a cast
            pos_ = save + 1;
            long long v = Or();
            if (!Eat(")"))
                ok_ = false;
            return v;
        }
        if (isdigit((unsigned char)text_[pos_])) {
            char* end = nullptr;
            long long v = strtoll(text_.c_str() + pos_, &end, 0);
            pos_ = end - text_.c_str();
            while (pos_ < text_.size() && strchr("uUlL", text_[pos_]))
                ++pos_;
            return v;
        }
        std::string name = Identifier();
        if (name.empty()) {
            ok_ = false;
            return 0;
        }
        if (name == "static_cast" && Eat("<")) {
            Identifier();
            if (!Eat(">"))
                ok_ = false;
            return Primary();
        }
        if (Eat("(")) {
            std::vector<long long> args;
            if (!Eat(")")) {
                do
                    args.push_back(Or());
                while (ok_ && Eat(","));
                if (!Eat(")"))
                    ok_ = false;
            }
            if (name == "MAKELONG" && args.size() == 2)
                return (args[0] & 0xFFFF) | (args[1] & 0xFFFF) << 16;
            if (name == "ControlTopic" && args.size() == 2)
                return (args[0] & 0xFFFF) << 16 | (args[1] & 0xFFFF);
            auto f = symbols_.functions.find(name);
            if (f == symbols_.functions.end() || args.size() != 1) {
                ok_ = false;
                return 0;
            }
            Symbols inner = symbols_;
            inner.values[f->second.parameter] = args[0];
            long long v = 0;
            if (!Expression(f->second.body, inner).Evaluate(&v))
                ok_ = false;
            return v;
        }
        auto found = symbols_.values.find(name);
        if (found == symbols_.values.end()) {
            ok_ = false;
            return 0;
        }
        return found->second;
    }

    std::string text_;
    const Symbols& symbols_;
    size_t pos_ = 0;
    bool ok_ = true;
};

std::string ReadText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream s;
    s << file.rdbuf();
    return s.str();
}

std::string WithoutComments(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "//") == 0) {
            while (i < text.size() && text[i] != '\n')
                ++i;
        } else if (text.compare(i, 2, "/*") == 0) {
            size_t end = text.find("*/", i + 2);
            end = end == std::string::npos ? text.size() : end + 2;
            for (; i < end; ++i)
                if (text[i] == '\n')
                    out += '\n';  // keeps the line numbers
            --i;
            continue;
        }
        if (i < text.size())
            out += text[i];
    }
    return out;
}

int LineOf(const std::string& text, size_t offset)
{
    return 1 + (int)std::count(text.begin(), text.begin() + offset, '\n');
}

void ReadResourceIds(const std::string& sourceRoot, Symbols* symbols)
{
    std::string text = ReadText(fs::path(sourceRoot) / "resources" / "resource.h");
    std::regex define(R"(#define\s+(\w+)\s+(\(?-?(0x[0-9A-Fa-f]+|\d+)\)?)\b)");
    for (std::sregex_iterator m(text.begin(), text.end(), define), end; m != end; ++m)
        symbols->values[(*m)[1]] = strtoll((*m)[3].str().c_str(), nullptr, 0);
}

// {a, b} pairs at the top level of a table body.
std::vector<std::pair<size_t, std::string>> SecondOfPairs(const std::string& body, size_t base)
{
    std::vector<std::pair<size_t, std::string>> out;
    int depth = 0;
    size_t start = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        char c = body[i];
        if (c == '{' && depth++ == 0)
            start = i + 1;
        else if (c == '}' && --depth == 0) {
            std::string pair = body.substr(start, i - start);
            int paren = 0;
            for (size_t k = 0; k < pair.size(); ++k) {
                if (pair[k] == '(')
                    ++paren;
                else if (pair[k] == ')')
                    --paren;
                else if (pair[k] == ',' && paren == 0) {
                    out.push_back({base + start, pair.substr(k + 1)});
                    break;
                }
            }
        }
    }
    return out;
}

void ScanFile(const fs::path& path, const std::string& shownName, const Symbols& global,
              TopicScan* scan)
{
    std::string text = WithoutComments(ReadText(path));
    if (text.find("HelpTopic") == std::string::npos)
        return;
    Symbols symbols = global;
    std::regex function(
        R"(constexpr\s+\w+\s+(\w+)\s*\(\s*\w+\s+(\w+)\s*\)\s*\{\s*return\s+([^;]+);\s*\})");
    for (std::sregex_iterator m(text.begin(), text.end(), function), end; m != end; ++m)
        symbols.functions[(*m)[1]] = {(*m)[2], (*m)[3]};
    std::regex constant(R"((?:const|constexpr)\s+\w+\s+(\w+)\s*=\s*([^;{]+);)");
    for (std::sregex_iterator m(text.begin(), text.end(), constant), end; m != end; ++m) {
        long long v;
        if (Expression((*m)[2], symbols).Evaluate(&v))
            symbols.values[(*m)[1]] = v;
    }

    auto add = [&](size_t offset, const std::string& expression, bool mustEvaluate) {
        long long v = 0;
        std::string where = shownName + ":" + std::to_string(LineOf(text, offset));
        if (!Expression(expression, symbols).Evaluate(&v)) {
            if (mustEvaluate)
                scan->problems.push_back(where + ": cannot work out the topic of \"" + expression +
                                         "\"");
            return;
        }
        if (v != 0)
            scan->topics.push_back({(uint32_t)v, where});
    };

    std::regex table(R"(HelpTopic\s+\w+\s*\[\s*\w*\s*\]\s*=\s*\{)");
    for (std::sregex_iterator m(text.begin(), text.end(), table), end; m != end; ++m) {
        size_t open = m->position() + m->length() - 1;
        int depth = 0;
        size_t close = open;
        for (; close < text.size(); ++close) {
            if (text[close] == '{')
                ++depth;
            else if (text[close] == '}' && --depth == 0)
                break;
        }
        ++scan->tables;
        std::string body = text.substr(open + 1, close - open - 1);
        for (const auto& pair : SecondOfPairs(body, open + 1))
            add(pair.first, pair.second, true);
    }
    std::regex named(R"(\w*HelpTopic\w*\s*=\s*([^;{]+);)");
    for (std::sregex_iterator m(text.begin(), text.end(), named), end; m != end; ++m)
        add(m->position(), (*m)[1], false);
    std::regex shown(R"(ShowHelpTopic\s*\(\s*[^,()]+,\s*([^;]+)\)\s*;)");
    for (std::sregex_iterator m(text.begin(), text.end(), shown), end; m != end; ++m)
        add(m->position(), (*m)[1], false);
}

}  // namespace

TopicScan ScanHelpTopics(const std::string& sourceRoot)
{
    TopicScan scan;
    Symbols global;
    ReadResourceIds(sourceRoot, &global);
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(sourceRoot); it != fs::recursive_directory_iterator();
         ++it) {
        std::string name = it->path().filename().string();
        if (it->is_directory() && it.depth() == 0 &&
            (name == "tests" || name == "tools" || name.compare(0, 5, "build") == 0 ||
             name[0] == '.' || name == "dist")) {
            it.disable_recursion_pending();
            continue;
        }
        std::string ext = it->path().extension().string();
        if (it->is_regular_file() && (ext == ".cpp" || ext == ".h"))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files)
        ScanFile(file, fs::relative(file, sourceRoot).string(), global, &scan);
    return scan;
}
