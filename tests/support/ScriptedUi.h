#pragma once
// A KxUi for tests: records every message and answers questions from a queue.

#include "base/KxUi.h"

#include <deque>
#include <string>
#include <vector>

class ScriptedWaitBox : public KxWaitBox {
public:
    explicit ScriptedWaitBox(std::vector<std::string>& statuses, bool cancelAtOnce)
        : statuses_(statuses), cancel_(cancelAtOnce) {}
    void setStatus(const std::string& text) override { statuses_.push_back(text); }
    void setProgress(std::uint64_t done, std::uint64_t total) override {
        lastDone = done;
        lastTotal = total;
    }
    bool cancelled() override { return cancel_; }
    std::uint64_t lastDone = 0, lastTotal = 0;

private:
    std::vector<std::string>& statuses_;
    bool cancel_;
};

class ScriptedUi : public KxUi {
public:
    struct Message {
        std::string text, caption;
        KxButtons buttons;
        KxIcon icon;
        KxAnswer defaultAnswer;
        std::string detail; // beside the text; empty for none
    };

    std::vector<Message> messages;            // every message shown, in order
    std::deque<KxAnswer> answers;             // answers to give; the default answer when empty
    std::deque<std::optional<std::string>> files; // answers to file dialogs
    std::deque<std::optional<std::string>> texts; // answers to askText
    std::vector<std::string> waitStatuses;    // every status line of every progress box
    std::optional<std::string> clipboard;
    std::vector<std::string> opened;          // files handed to the desktop
    bool cancelWaits = false;                 // progress boxes report Cancel at once

    KxAnswer message(const std::string& text, const std::string& caption, KxButtons buttons,
                     KxIcon icon, KxAnswer defaultAnswer) override {
        return messageWithDetail(text, "", caption, buttons, icon, defaultAnswer);
    }
    KxAnswer messageWithDetail(const std::string& text, const std::string& detail, const std::string& caption,
                               KxButtons buttons, KxIcon icon, KxAnswer defaultAnswer) override {
        messages.push_back({text, caption, buttons, icon, defaultAnswer, detail});
        if (answers.empty()) return defaultAnswer;
        const KxAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> openFileName(const KxFileDialogRequest&) override { return next(files); }
    std::optional<std::string> saveFileName(const KxFileDialogRequest&) override { return next(files); }
    std::optional<std::string> askText(const std::string&, const std::string&, const std::string&,
                                       std::size_t) override {
        return next(texts);
    }
    std::unique_ptr<KxWaitBox> waitBox(const std::string& status) override {
        waitStatuses.push_back(status);
        return std::make_unique<ScriptedWaitBox>(waitStatuses, cancelWaits);
    }
    std::optional<std::string> clipboardText() override { return clipboard; }
    bool setClipboardText(const std::string& text) override {
        clipboard = text;
        return true;
    }
    void openWithDesktop(const std::string& path) override { opened.push_back(path); }

    std::string lastMessage() const { return messages.empty() ? std::string() : messages.back().text; }

private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto v = queue.front();
        queue.pop_front();
        return v;
    }
};
