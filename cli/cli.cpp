// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <span>

#include "calc/catalogue.h"

namespace kalvora::cli {
namespace {

constexpr std::string_view kUsageText =
    "usage: kalvora-calc TOPIC [TEXT...]   evaluate a form with its input texts in reading order\n"
    "       kalvora-calc --list            list the topics and their inputs\n"
    "       kalvora-calc --batch           answer TOPIC<TAB>TEXT... lines from standard input\n";

struct Evaluation {
    enum Kind { Results, Message, Usage } kind;
    Outcome outcome;
    std::string usage;
};

Evaluation EvaluateTopic(std::string_view slug, std::span<const std::string_view> texts) {
    const FormDefinition* form = FindForm(slug);
    if (!form) return {Evaluation::Usage, {}, "unknown topic '" + std::string(slug) + "'"};
    if (texts.size() > form->inputs.size())
        return {Evaluation::Usage, {},
                "topic '" + std::string(slug) + "' takes at most " + std::to_string(form->inputs.size()) + " texts"};
    Outcome outcome = Evaluate(*form, texts);
    const auto kind = outcome.ok() ? Evaluation::Results : Evaluation::Message;
    return {kind, std::move(outcome), {}};
}

// A message text on one batch line: its line breaks written as the two characters \n.
std::string EscapeLineBreaks(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        if (c == '\n')
            escaped += "\\n";
        else
            escaped += c;
    }
    return escaped;
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
        if (tab == std::string_view::npos) return fields;
        start = tab + 1;
    }
}

}  // namespace

std::string ListTopics() {
    std::string list;
    for (const FormDefinition* form : Catalogue()) {
        list.append(form->slug).append("\t").append(form->title).append("\t");
        for (std::size_t i = 0; i < form->inputs.size(); ++i) {
            if (i) list += " | ";
            list += form->InputCaption(i);
        }
        list += "\n";
    }
    return list;
}

std::string AnswerBatchLine(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::vector<std::string_view> fields = SplitTabs(line);
    const Evaluation evaluation = EvaluateTopic(fields.front(), std::span(fields).subspan(1));
    switch (evaluation.kind) {
    case Evaluation::Usage: return "usage\t" + EscapeLineBreaks(evaluation.usage);
    case Evaluation::Message:
        return "error\t" + std::string(evaluation.outcome.message->caption) + "\t" +
               EscapeLineBreaks(evaluation.outcome.message->text);
    case Evaluation::Results: break;
    }
    std::string answer = "ok";
    for (const std::string& result : evaluation.outcome.results) answer.append("\t").append(result);
    return answer;
}

void RunBatch(std::istream& in, std::ostream& out) {
    std::string line;
    std::string answers;
    while (std::getline(in, line)) {
        answers += AnswerBatchLine(line);
        answers += '\n';
        if (answers.size() >= (1u << 16)) {
            out << answers;
            answers.clear();
            // Nobody can read the answers any more: reading on would only waste the input.
            if (!out) return;
        }
    }
    out << answers;
    out.flush();
}

namespace {

int RunMode(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << kUsageText;
        return kUsage;
    }
    const std::string_view first = args.front();
    if (first == "--help" || first == "-h") {
        out << kUsageText;
        return kOk;
    }
    if (first == "--list" || first == "--batch") {
        if (args.size() > 1) {
            err << "kalvora-calc: " << first << " takes no further arguments\n" << kUsageText;
            return kUsage;
        }
        if (first == "--list")
            out << ListTopics();
        else
            RunBatch(in, out);
        return kOk;
    }
    const Evaluation evaluation = EvaluateTopic(first, std::span(args).subspan(1));
    switch (evaluation.kind) {
    case Evaluation::Usage: err << "kalvora-calc: " << evaluation.usage << "\n" << kUsageText; return kUsage;
    case Evaluation::Message:
        err << evaluation.outcome.message->caption << ": " << evaluation.outcome.message->text << "\n";
        return kMessage;
    case Evaluation::Results: break;
    }
    for (const std::string& result : evaluation.outcome.results) out << result << "\n";
    return kOk;
}

// Flushes `out`: `code` when everything was written, kWriteFailed (with a message unless the
// reader went away) when not. errno still holds the cause of the failed write, since a stream in
// a failed state writes no more and nothing else between the write and this check sets errno.
int CheckedEnd(int code, std::ostream& out, std::ostream& err) {
    out.flush();
    if (out) return code;
    const int cause = errno;
    if (cause != EPIPE) {
        err << "kalvora-calc: cannot write the output";
        if (cause != 0) err << ": " << std::strerror(cause);
        err << "\n";
    }
    return kWriteFailed;
}

}  // namespace

int Run(const std::vector<std::string_view>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    errno = 0;
    return CheckedEnd(RunMode(args, in, out, err), out, err);
}

}  // namespace kalvora::cli
