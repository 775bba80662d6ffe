#include "engine/report/notifier.h"

#include "engine/paths/paths.h"
#include "engine/report/texts.h"
#include "platform/interaction.h"

void Notifier::Notify(const std::string& text) { Notify(text, text); }

void Notifier::Notify(const std::string& text, const std::string& shown) {
    reports_.push_back(text);
    if (!silent_) platform::ShowMessage(shown);
}

bool Notifier::GoesOn(const std::string& question) { return !asks_ || !platform::AnsweredNo(question); }

bool CheckSpelled(const std::string& folder, Notifier& notifier) {
    if (paths::IsSpelled(folder)) return true;
    notifier.Notify(texts::Format(texts::kFolderUnspelled, {paths::ShownPath(folder)}));
    return false;
}
