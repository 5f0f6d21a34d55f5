#include "library_folders.h"

#include <algorithm>
#include <optional>

#include "platform/ascii_case.h"
#include "platform/system_path.h"

namespace kestro {

namespace {

bool isNumber(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(),
                                       [](char c) { return c >= '0' && c <= '9'; });
}

bool isSoundPath(std::string_view path) {
    if (path.empty() || path.find('\0') != std::string_view::npos) return false;
    return std::ranges::none_of(pathNames(path), [](std::string_view name) { return name == ".."; });
}

enum class Token { Open, Close, Text, End };

// Splits the file into braces and texts (quoted or bare), skipping blanks and comments.
class Tokenizer {
public:
    explicit Tokenizer(std::string_view in) : in_(in) {}

    Token next(std::string& text) {
        skipBlanksAndComments();
        if (pos_ >= in_.size()) return Token::End;
        const char c = in_[pos_];
        if (c == '{' || c == '}') {
            ++pos_;
            return c == '{' ? Token::Open : Token::Close;
        }
        text.clear();
        if (c == '"') return quoted(text);
        while (pos_ < in_.size() && !isBlank(in_[pos_]) && in_[pos_] != '{' &&
               in_[pos_] != '}' && in_[pos_] != '"')
            text += in_[pos_++];
        return Token::Text;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

    void skipBlanksAndComments() {
        while (pos_ < in_.size()) {
            if (isBlank(in_[pos_])) {
                ++pos_;
            } else if (in_.substr(pos_, 2) == "//") {
                pos_ = std::min(in_.find('\n', pos_), in_.size());
            } else {
                return;
            }
        }
    }

    // A text without its closing quote is the file cut short: the end.
    Token quoted(std::string& text) {
        for (++pos_; pos_ < in_.size(); ++pos_) {
            char c = in_[pos_];
            if (c == '"') {
                ++pos_;
                return Token::Text;
            }
            if (c == '\\' && pos_ + 1 < in_.size()) {
                const char escaped = in_[++pos_];
                c = escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
                if (escaped != '\\' && escaped != '"' && escaped != 'n' && escaped != 't')
                    text += '\\';
            }
            text += c;
        }
        return Token::End;
    }

    std::string_view in_;
    std::size_t pos_ = 0;
};

// Deeper than this the file is not Steam's: reading stops there.
constexpr std::size_t kMaxDepth = 32;

}  // namespace

std::vector<std::string> libraryFolderPaths(std::string_view vdf) {
    // Notepad, on older Windows, starts a UTF-8 file with a byte-order mark.
    if (vdf.starts_with("\xEF\xBB\xBF")) vdf.remove_prefix(3);
    std::vector<std::string> paths;
    std::vector<std::string> open;  // the keys of the blocks we are in, outermost first
    struct Library {
        std::optional<std::string> path;
        bool mounted = true;
    } library;
    const auto inRoot = [&open] {
        return !open.empty() && equalIgnoringAsciiCase(open.front(), "libraryfolders");
    };

    Tokenizer tokens(vdf);
    std::string key;
    std::string value;
    for (;;) {
        const Token token = tokens.next(key);
        if (token == Token::End) break;
        if (token == Token::Open) break;  // a block without a key: not a file Steam wrote
        if (token == Token::Close) {
            if (open.empty()) break;
            if (open.size() == 2 && inRoot() && library.path && library.mounted)
                paths.push_back(*library.path);
            open.pop_back();
            continue;
        }
        const Token after = tokens.next(value);
        if (after == Token::Open) {
            if (open.size() == kMaxDepth) break;
            open.push_back(key);
            if (open.size() == 2) library = {};
            continue;
        }
        if (after != Token::Text) break;
        if (!inRoot()) continue;
        if (open.size() == 1 && isNumber(key) && isSoundPath(value)) {
            paths.push_back(value);
        } else if (open.size() == 2 && isNumber(open.back())) {
            if (equalIgnoringAsciiCase(key, "path") && isSoundPath(value)) library.path = value;
            if (equalIgnoringAsciiCase(key, "mounted")) library.mounted = value != "0";
        }
    }
    return paths;
}

}  // namespace kestro
