// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Command.h"

#include "cli/FileAccess.h"
#include "cli/Vornctl.h"
#include "document/SettingsStore.h"
#include "document/VornDoc.h"
#include "image/KeyTextChecks.h"

#include <charconv>
#include <ostream>

namespace vorn::cli {

std::optional<int> commandModel(const CommandLine& line) {
    const auto text = line.value("--model");
    if (!text)
        return CVornDoc::storedModelId(SettingsStore{});
    int id = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, id);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return id;
}

int usageError(Io& io, std::string_view command, const std::string& message) {
    io.err << "vornctl: " << message << '\n';
    if (command.empty())
        io.err << "Try 'vornctl --help'.\n";
    else
        io.err << "Try 'vornctl " << command << " --help'.\n";
    return exitUsage;
}

int fileError(Io& io, const std::string& message) {
    io.err << "vornctl: " << message << '\n';
    return exitUsage;
}

bool loadTemplate(Io& io, const std::string& path, TemplateImage& image, bool& valid) {
    std::string error;
    if (!readTemplateFile(path, image, error)) {
        fileError(io, error);
        return false;
    }
    const ImageCheck check = validateImage(image);
    valid = check == ImageCheck::valid;
    if (!valid)
        io.err << imageCheckMessage(check) << '\n';
    return true;
}

bool saveImage(Io& io, const std::string& path, const TemplateImage& image) {
    std::string error;
    const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
    if (writeFileAtomically(path, bytes, error))
        return true;
    fileError(io, error);
    return false;
}

void reportInvalidKey(Io& io, int key) {
    io.err << wrongKeyTextMessage << '\n' << "key " << key << '\n';
}

std::function<int(const CommandLine&, Io&)>
withModel(std::function<int(const CommandLine&, Io&, int)> body, std::string_view name) {
    return [body = std::move(body), name](const CommandLine& line, Io& io) {
        const auto model = commandModel(line);
        if (!model)
            return usageError(io, name, "--model takes a model id such as 2013");
        return body(line, io, *model);
    };
}

} // namespace vorn::cli
