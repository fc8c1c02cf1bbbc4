// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/RecentTemplates.h"

#include "document/SettingsStore.h"

#include <algorithm>
#include <filesystem>

namespace vorn {

namespace {

std::string entryName(std::size_t index) {
    return "File" + std::to_string(index + 1);
}

} // namespace

RecentTemplates::RecentTemplates(SettingsStore& settings)
    : settings_(settings) {
    for (std::size_t i = 0; i < maxFiles; ++i) {
        std::string path = settings_.readBytes(section, entryName(i));
        if (!path.empty() && std::ranges::find(files_, path) == files_.end())
            files_.push_back(std::move(path));
    }
}

void RecentTemplates::add(const std::string& path) {
    std::error_code error;
    std::string absolute = std::filesystem::absolute(path, error).lexically_normal().string();
    if (error)
        absolute = path;
    std::erase(files_, absolute);
    files_.insert(files_.begin(), std::move(absolute));
    if (files_.size() > maxFiles)
        files_.resize(maxFiles);
    store();
}

void RecentTemplates::remove(const std::string& path) {
    std::erase(files_, path);
    store();
}

std::string RecentTemplates::itemText(std::size_t index, const std::string& path) {
    std::string name = std::filesystem::path(path).filename().string();
    std::string escaped;
    for (const char c : name) {
        escaped += c;
        if (c == '&')
            escaped += '&';
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

void RecentTemplates::store() {
    for (std::size_t i = 0; i < maxFiles; ++i)
        settings_.writeBytes(section, entryName(i), i < files_.size() ? files_[i] : std::string());
}

} // namespace vorn
