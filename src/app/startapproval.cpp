#include "app/startapproval.h"

#include <filesystem>
#include <fstream>

#include "app/App.h"
#include "platform/Ui.h"
#include "text/cp850.h"
#include "text/program.h"

namespace vak1 {

namespace {

// A line of the answers file: "+ " or "- ", then the command as it would run.
constexpr char kYes = '+', kNo = '-';

std::string FolderOfFile(const std::string& file) {
    std::error_code ec;
    const std::filesystem::path p = std::filesystem::weakly_canonical(file, ec);
    return (ec ? std::filesystem::path(file) : p).parent_path().string();
}

std::string CanonicalFolder(const std::string& folder) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(folder, ec);
    if (ec) p = folder;
    std::string s = p.string();
    while (s.size() > 1 && s.back() == '/')
        s.pop_back();
    return s;
}

} // namespace

AskingApproval::AskingApproval(App& app, std::string userFolder)
    : app_(app), userFolder_(std::move(userFolder)) {}

bool AskingApproval::OwnSettings() const {
    const std::string& source = app_.Config.SettingsSource;
    if (source.empty()) return true; // the program's own values
    return !userFolder_.empty() && FolderOfFile(source) == CanonicalFolder(userFolder_);
}

bool AskingApproval::Approve(const std::string& command, NamedBy namedBy) {
    if (namedBy == NamedBy::Program) return true;
    if (namedBy == NamedBy::SettingsFile && OwnSettings()) return true;
    if (!loaded_ && !userFolder_.empty()) {
        loaded_ = true;
        std::ifstream in(userFolder_ + kStartAnswersFile, std::ios::binary);
        for (std::string line; std::getline(in, line);)
            if (line.size() > 2 && (line[0] == kYes || line[0] == kNo) && line[1] == ' ')
                answers_.emplace(line.substr(2), line[0] == kYes); // the first answer holds
    }
    const auto known = answers_.find(command);
    const DialogContext d = Dialogs(app_);
    if (known != answers_.end()) {
        if (!known->second)
            d.ui.MessageBox(
                MessageKind::Info, "Meldung:",
                Cp850ToUtf8(cp850("Nicht gestartet: Sie haben diesen Befehl "
                                  "abgelehnt.\n\n") +
                            command +
                            (userFolder_.empty() ? std::string()
                                                 : cp850("\n\nDie Antworten stehen in ") +
                                                       userFolder_ + kStartAnswersFile + ".")));
        return known->second;
    }
    const std::string from = namedBy == NamedBy::ProjectFile
                                 ? cp850("Die Projektdatei")
                                 : cp850("Die Einstellungsdatei ") + app_.Config.SettingsSource;
    const std::string question =
        from + cp850(" nennt ein Programm, das jetzt gestartet werden soll:\n\n") + command +
        cp850("\n\nStarten Sie es nur, wenn Sie der Herkunft der Datei vertrauen. "
              "Programm starten?");
    // The full command, however long: the dialogs' conversion would show a text of 255
    // characters or more as an empty box. "Abbrechen" is no answer: nothing starts and the
    // question comes again next time; it ends only this start, not the command that wanted it.
    const Reply reply = DialogUi(d, kHelpNone).Question(kProgramTitle, Cp850ToUtf8(question));
    if (reply == Reply::Cancel) return false;
    const bool yes = reply == Reply::Yes;
    Remember(command, yes);
    return yes;
}

void AskingApproval::Remember(const std::string& command, bool yes) {
    answers_[command] = yes;
    // A command over several lines cannot be a line of the file: it is kept for this run.
    if (userFolder_.empty() || command.find_first_of("\r\n") != std::string::npos) return;
    std::error_code ec;
    std::filesystem::create_directories(userFolder_, ec);
    std::ofstream out(userFolder_ + kStartAnswersFile, std::ios::binary | std::ios::app);
    out << (yes ? kYes : kNo) << ' ' << command << '\n';
}

} // namespace vak1
