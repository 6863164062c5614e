// Command lines of the settings turned into a program and its arguments.
#include "platform/Launcher.h"

namespace vak1 {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false, inWord = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

std::string QuoteCommandWord(const std::string& word) {
    if (word.find('"') != std::string::npos) return word;
    if (!word.empty() && word.find_first_of(" \t") == std::string::npos) return word;
    return '"' + word + '"';
}

std::string CommandText(const std::string& program, const std::vector<std::string>& args) {
    std::string line = QuoteCommandWord(program);
    for (const std::string& a : args)
        line += ' ' + QuoteCommandWord(a);
    return line;
}

std::string OpenCommandText(const std::string& fileOrAddress) {
    return CommandText("xdg-open", {fileOrAddress});
}

int Launcher::StartProgram(const std::string& commandLine, bool /*hiddenWindow*/) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return 2;
    const std::string program = words.front();
    words.erase(words.begin());
    if (!Exists(program)) return 2;
    return Start(program, words) ? 33 : 5;
}

} // namespace vak1
