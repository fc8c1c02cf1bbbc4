// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "document/TemplateChange.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <functional>
#include <string>

namespace vorn {

// The file a template belongs to and the window's title for it, around a step: a model
// switch ties the template to no file, and its undo ties it back.
struct SessionFile {
    std::string path;
    std::string title;
};

// One undoable step: its name for the menu's prompt and what it changed.
struct UndoStep {
    std::string name;
    TemplateChange change;
    SessionFile before;
    SessionFile after;
};

// The steps that can be undone and redone. A run of typing in one key is one step: leaving
// the key, any other step, an undo or a pause of two seconds ends it. The oldest steps go
// beyond maxSteps.
class UndoHistory {
public:
    static constexpr std::size_t maxSteps = 1000;
    static constexpr std::chrono::milliseconds typingPause{2000};
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit UndoHistory(Clock now = &std::chrono::steady_clock::now);

    // A new step; the steps undone before it can no longer be redone.
    void push(UndoStep step);
    // Typing in `key`: joins the open run in that key, or starts a new one.
    void pushTyping(UndoStep step, int key);
    void endTypingRun() { typingRunOpen_ = false; }
    // New and Load start a new history.
    void clear();

    // The step an undo or a redo would apply; nullptr when there is none.
    const UndoStep* nextUndo() const;
    const UndoStep* nextRedo() const;
    // Moves over that step and returns it, to be applied backwards or again.
    const UndoStep* undo();
    const UndoStep* redo();

    std::size_t size() const { return steps_.size(); }
    // Memory the steps hold, roughly.
    std::size_t heldBytes() const;

private:
    Clock now_;
    std::deque<UndoStep> steps_;
    std::size_t done_ = 0; // steps_[0, done_) can be undone
    bool typingRunOpen_ = false;
    int typingKey_ = -1;
    std::chrono::steady_clock::time_point lastTyping_{};
};

} // namespace vorn
