// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/UndoHistory.h"

namespace vorn {

UndoHistory::UndoHistory(Clock now)
    : now_(std::move(now)) {}

void UndoHistory::push(UndoStep step) {
    typingRunOpen_ = false;
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
    steps_.push_back(std::move(step));
    if (steps_.size() > maxSteps)
        steps_.pop_front();
    done_ = steps_.size();
}

void UndoHistory::pushTyping(UndoStep step, int key) {
    const auto now = now_();
    const bool joins = typingRunOpen_ && typingKey_ == key && done_ == steps_.size() && done_ > 0 &&
                       now - lastTyping_ < typingPause;
    if (joins) {
        UndoStep& run = steps_.back();
        run.change.absorb(step.change);
        run.after = std::move(step.after);
    } else {
        push(std::move(step));
        typingRunOpen_ = true;
        typingKey_ = key;
    }
    lastTyping_ = now;
}

void UndoHistory::clear() {
    steps_.clear();
    done_ = 0;
    typingRunOpen_ = false;
}

const UndoStep* UndoHistory::nextUndo() const {
    return done_ > 0 ? &steps_[done_ - 1] : nullptr;
}

const UndoStep* UndoHistory::nextRedo() const {
    return done_ < steps_.size() ? &steps_[done_] : nullptr;
}

const UndoStep* UndoHistory::undo() {
    typingRunOpen_ = false;
    if (done_ == 0)
        return nullptr;
    return &steps_[--done_];
}

const UndoStep* UndoHistory::redo() {
    typingRunOpen_ = false;
    if (done_ == steps_.size())
        return nullptr;
    return &steps_[done_++];
}

std::size_t UndoHistory::heldBytes() const {
    std::size_t bytes = 0;
    for (const UndoStep& step : steps_) {
        bytes += sizeof(step) + step.name.capacity() + step.change.heldBytes() +
                 step.before.path.capacity() + step.before.title.capacity() +
                 step.after.path.capacity() + step.after.title.capacity();
    }
    return bytes;
}

} // namespace vorn
