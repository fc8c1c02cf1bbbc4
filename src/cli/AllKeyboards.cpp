// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/AllKeyboards.h"

#include "cli/ProgressBoard.h"
#include "cli/TickPacer.h"
#include "device/SystemClock.h"

#include <memory>
#include <sstream>
#include <thread>

namespace vorn::cli {

namespace {

// Everything one keyboard's thread uses, and nothing another thread touches.
struct KeyboardJob {
    KeyboardJob(const KeyboardTransports& all, const std::string& path, const CVornDoc& original,
                const AllKeyboardsRequest& request)
        : connection(all.onlyTo(path))
        , console(messages, ProgressStyle::none, request.pace ? &pacer : nullptr)
        , doc(original) {
        outcome.path = path;
    }

    std::unique_ptr<KeyboardTransports> connection;
    std::ostringstream messages;
    SystemClock time;
    TickPacer pacer{time};
    TransferConsole console;
    CVornDoc doc;
    KeyboardOutcome outcome;
};

void runJob(KeyboardJob& job, const AllKeyboardsRequest& request) {
    KeyboardTransfer transfer(*job.connection, job.console);
    bool ok = transfer.run(request.direction, job.doc);
    job.outcome.answered = transfer.keyboardFound();
    if (ok && request.verify)
        ok = job.outcome.verified = transfer.verify(job.doc);
    if (const std::string lost = job.connection->simulatorFileError(); !ok && !lost.empty())
        job.messages << "vornctl: " << lost << '\n';
    job.outcome.ok = ok;
    job.outcome.message = joinedLines(job.messages.str());
    job.outcome.image = job.doc.image();
}

} // namespace

std::string joinedLines(const std::string& text) {
    std::string joined;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const auto first = line.find_first_not_of(" \t\r");
        if (first == std::string::npos)
            continue;
        const auto last = line.find_last_not_of(" \t\r");
        if (!joined.empty())
            joined += ' ';
        joined += line.substr(first, last - first + 1);
    }
    return joined;
}

std::vector<KeyboardOutcome> transferToAll(const KeyboardTransports& connection,
                                           const std::vector<std::string>& paths,
                                           const CVornDoc& doc, const AllKeyboardsRequest& request,
                                           Io& io) {
    ProgressBoard board(io.err, request.style, paths);
    // Set up here, on one thread: the documents' copies and the connections.
    std::vector<std::unique_ptr<KeyboardJob>> jobs;
    for (std::size_t k = 0; k < paths.size(); ++k) {
        auto job = std::make_unique<KeyboardJob>(connection, paths[k], doc, request);
        job->console.setPercentListener([&board, k](int done, int total, std::string_view text) {
            board.showPercent(k, done, total, text);
        });
        if (request.trace)
            job->connection->setTrace([&board, k](const ReportTraceEvent& event) {
                board.traceLine(k, formatTraceLine(event));
            });
        jobs.push_back(std::move(job));
    }
    {
        std::vector<std::jthread> threads;
        for (auto& job : jobs)
            threads.emplace_back([&job, &request] { runJob(*job, request); });
    }
    std::vector<KeyboardOutcome> outcomes;
    for (auto& job : jobs)
        outcomes.push_back(std::move(job->outcome));
    return outcomes;
}

} // namespace vorn::cli
