// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/TemplateChange.h"

#include <algorithm>

namespace vorn {

namespace {

std::vector<TemplateChange::ByteRun> changedRuns(const TemplateImage& before,
                                                 const TemplateImage& after) {
    std::vector<TemplateChange::ByteRun> runs;
    std::size_t at = 0;
    while (at < before.size()) {
        if (before[at] == after[at]) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < before.size() && before[end] != after[end])
            ++end;
        runs.push_back({at,
                        {before.begin() + at, before.begin() + end},
                        {after.begin() + at, after.begin() + end}});
        at = end;
    }
    return runs;
}

} // namespace

TemplateChange TemplateChange::between(const TemplateContent& before,
                                       const TemplateContent& after) {
    TemplateChange change;
    for (int k = 0; k < keyNumberCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (before.keyText[i] == after.keyText[i] && before.keyBlank[i] == after.keyBlank[i] &&
            before.keyDefined[i] == after.keyDefined[i])
            continue;
        change.keys_.push_back({k, before.keyText[i], after.keyText[i], before.keyBlank[i],
                                before.keyDefined[i], after.keyBlank[i], after.keyDefined[i]});
    }
    for (std::size_t s = 0; s < before.keyLabel.size(); ++s) {
        if (before.keyLabel[s] != after.keyLabel[s])
            change.captions_.push_back(
                {static_cast<int>(s), before.keyLabel[s], after.keyLabel[s]});
    }
    for (int k = 0; k < keyNumberCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (before.capLabel[i] != after.capLabel[i])
            change.labels_.push_back({k, before.capLabel[i], after.capLabel[i]});
    }
    change.bytes_ = changedRuns(before.image, after.image);
    if (before.modelId != after.modelId)
        change.model_ = ModelSwitch{before.modelId, after.modelId};
    if (before.title != after.title)
        change.title_ = std::pair(before.title, after.title);
    return change;
}

bool TemplateChange::empty() const {
    const bool textChanged =
        std::ranges::any_of(keys_, [](const KeyEdit& edit) { return edit.before != edit.after; });
    return !textChanged && captions_.empty() && labels_.empty() && bytes_.empty() && !model_ &&
           !title_;
}

void TemplateChange::absorb(const TemplateChange& later) {
    for (const KeyEdit& edit : later.keys_) {
        const auto found = std::ranges::find(keys_, edit.key, &KeyEdit::key);
        if (found == keys_.end()) {
            keys_.push_back(edit);
            continue;
        }
        found->after = edit.after;
        found->blankAfter = edit.blankAfter;
        found->definedAfter = edit.definedAfter;
    }
    // A run of typing changes key texts and flags only.
}

std::optional<int> TemplateChange::firstKey() const {
    for (const KeyEdit& edit : keys_) {
        if (edit.before != edit.after)
            return edit.key;
    }
    if (!labels_.empty())
        return labels_.front().key;
    return std::nullopt;
}

std::size_t TemplateChange::heldBytes() const {
    std::size_t bytes = sizeof(*this);
    for (const KeyEdit& edit : keys_)
        bytes += sizeof(edit) + edit.before.capacity() + edit.after.capacity();
    for (const CaptionEdit& edit : captions_)
        bytes += sizeof(edit) + edit.before.capacity() + edit.after.capacity();
    for (const LabelEdit& edit : labels_)
        bytes += sizeof(edit) + edit.before.capacity() + edit.after.capacity();
    for (const ByteRun& run : bytes_)
        bytes += sizeof(run) + run.before.capacity() + run.after.capacity();
    return bytes;
}

std::optional<std::string> TemplateChange::title(Side side) const {
    if (!title_)
        return std::nullopt;
    return side == Side::before ? title_->first : title_->second;
}

} // namespace vorn
