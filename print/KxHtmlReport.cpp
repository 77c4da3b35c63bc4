#include "print/KxHtmlReport.h"

#include "print/ReportValue.h"

#include "platform/Cp1252.h"
#include "engine/KxDbError.h"
#include "print/PrintStrings.h"

#include <optional>

namespace {

void tell(const KxReportHooks& hooks, const std::string& text) {
    if (hooks.message) hooks.message(text);
}

// One pass over the tokens. The skip stack holds, per open loop or conditional, whether
// output is suppressed there; its base level (not suppressed) is never popped, whatever
// closing tags a template holds.
class Fill {
  public:
    using Values = std::array<std::string, kxReportTagCount>;

    Fill(Values& values, const std::vector<KxReportToken>& tokens, KxReportSource& source,
         KxReportSink& output, const KxReportHooks& hooks)
        : values_(values), tokens_(tokens), source_(source), output_(output), hooks_(hooks) {}
    ~Fill() { releaseRecord(); }
    Fill(const Fill&) = delete;
    Fill& operator=(const Fill&) = delete;

    int run();

  private:
    bool suppressed() const { return skip_.back(); }
    // Output past the size limit could not be printed anyway: the run stops there.
    void emit(std::string_view text) {
        output_.write(text);
        if (output_.size() > KxHtmlReport::kLargeOutput) tooLarge_ = true;
    }
    void push(bool suppress) { skip_.push_back(suppress); }
    void pop() {
        if (skip_.size() > 1) skip_.pop_back();
    }
    std::string& slot(KxReportTag tag) { return values_[static_cast<std::size_t>(tag)]; }

    void prepare(std::size_t entry, KxReportTag valueSlot, KxReportTag labelSlot);
    void makeCurrent();
    void releaseRecord();

    void beginRecords(std::size_t at);
    bool endRecords(std::size_t& at);
    void beginFields(std::size_t at);
    void endFields(std::size_t& at);
    void ifNotEmpty(std::size_t& at);
    void elseNotEmpty();

    Values& values_;
    const std::vector<KxReportToken>& tokens_;
    KxReportSource& source_;
    KxReportSink& output_;
    const KxReportHooks& hooks_;

    std::vector<bool> skip_{false};
    std::optional<std::size_t> recordsMark_;
    std::optional<std::size_t> fieldsMark_;
    // Set when a records loop begins inside the current fields loop. Going round that
    // fields loop again would restart the records from the first and reset the field
    // counter, over and over; such a fields loop ends instead.
    bool recordsInFieldsLoop_ = false;
    bool current_ = false;
    std::size_t fieldCount_ = 0;
    std::size_t counter_ = 0;
    bool lastEmpty_ = false;
    bool tooLarge_ = false;
};

void Fill::prepare(std::size_t entry, KxReportTag valueSlot, KxReportTag labelSlot) {
    if (current_)
        slot(valueSlot) = kxPrepareReportValue(source_.entryValue(entry), source_.entryKind(entry));
    slot(labelSlot) = source_.entryLabel(entry);
}

void Fill::makeCurrent() {
    current_ = true;
    counter_ = 0;
    prepare(0, KxReportTag::PrimaryField, KxReportTag::PrimaryLabel);
}

void Fill::releaseRecord() {
    if (!current_) return;
    current_ = false;
    source_.releaseRecord();
}

void Fill::beginRecords(std::size_t at) {
    recordsMark_ = at;
    recordsInFieldsLoop_ = true;
    if (suppressed()) {
        push(true);
        return;
    }
    releaseRecord();
    if (source_.firstRecord()) {
        makeCurrent();
        push(false);
    } else {
        push(true);
    }
}

// True when the user cancelled.
bool Fill::endRecords(std::size_t& at) {
    if (!recordsMark_) return false; // no records loop to close
    if (hooks_.progress) {
        const KxReportSource::Progress done = source_.progress();
        if (hooks_.progress(done.position, done.end)) return true;
    }
    releaseRecord();
    if (source_.nextRecord()) {
        makeCurrent();
        at = *recordsMark_;
    } else {
        pop();
    }
    return false;
}

void Fill::beginFields(std::size_t at) {
    fieldsMark_ = at;
    recordsInFieldsLoop_ = false;
    if (suppressed()) {
        push(true);
        return;
    }
    ++counter_;
    if (counter_ < fieldCount_) {
        prepare(counter_, KxReportTag::Field, KxReportTag::Label);
        push(false);
    } else {
        push(true);
    }
}

void Fill::endFields(std::size_t& at) {
    if (!fieldsMark_) return; // no fields loop to close
    ++counter_;
    if (counter_ < fieldCount_ && !recordsInFieldsLoop_) {
        prepare(counter_, KxReportTag::Field, KxReportTag::Label);
        at = *fieldsMark_;
    } else {
        pop();
    }
}

// Tests the value of the tag that follows and consumes that tag; at the very end of the
// template there is nothing to test, which counts as empty.
void Fill::ifNotEmpty(std::size_t& at) {
    const bool wasSuppressed = suppressed();
    ++at;
    const KxReportTag tested = at < tokens_.size() ? tokens_[at].tag : KxReportTag::Literal;
    lastEmpty_ = slot(tested).empty();
    push(wasSuppressed || lastEmpty_);
}

// One flag serves every conditional: an else inverts the most recent test, even a nested
// one. With no conditional open there is nothing to invert.
void Fill::elseNotEmpty() {
    if (skip_.size() <= 1) return;
    pop();
    push(suppressed() || !lastEmpty_);
}

int Fill::run() {
    fieldCount_ = source_.entryCount();
    if (fieldCount_ == 0) return kxReportDone;
    prepare(0, KxReportTag::PrimaryField, KxReportTag::PrimaryLabel);

    for (std::size_t at = 0; at < tokens_.size() && !tooLarge_; ++at) {
        const KxReportToken& token = tokens_[at];
        switch (token.tag) {
        case KxReportTag::Literal:
            if (!suppressed()) emit(token.text);
            break;
        case KxReportTag::Title:
        case KxReportTag::PrimaryField:
        case KxReportTag::PrimaryLabel:
        case KxReportTag::Label:
        case KxReportTag::Field:
            if (!suppressed()) emit(kxToUtf8(kxEscapeReportValue(slot(token.tag))));
            break;
        case KxReportTag::BeginRecords:
            beginRecords(at);
            break;
        case KxReportTag::EndRecords:
            if (endRecords(at)) return kxReportNotPrintable;
            break;
        case KxReportTag::BeginFields:
            beginFields(at);
            break;
        case KxReportTag::EndFields:
            endFields(at);
            break;
        case KxReportTag::IfNotEmpty:
            ifNotEmpty(at);
            break;
        case KxReportTag::ElseNotEmpty:
            elseNotEmpty();
            break;
        case KxReportTag::EndNotEmpty:
            pop();
            break;
        }
    }
    releaseRecord();
    if (tooLarge_) {
        tell(hooks_, kxString(kxStrPrintoutTooLarge));
        return kxReportNotPrintable;
    }
    return kxReportDone;
}

} // namespace

int KxHtmlReport::fill(const KxReportHooks& hooks, KxReportSink& output) {
    return Fill(values_, tokens_, source_, output, hooks).run();
}

int KxHtmlReport::generate(const KxReportHooks& hooks, const std::string& templatePath,
                           const std::string& outputPath, const std::string& title, int rangeMode,
                           bool deletedList, int limit) {
    source_.initCursor(rangeMode, deletedList, limit);
    // The output goes beside the file at the output path and replaces it only when the run
    // ends well (or stops at the size limit, which the user is told): a missing template, a
    // cancel or a failed write leave the previous file as it was.
    std::string text;
    if (!kxReadReportTemplate(templatePath, text)) {
        tell(hooks, kxString(kxStrCannotOpenTemplate, templatePath));
        return kxReportNotPrintable;
    }
    values_[static_cast<std::size_t>(KxReportTag::Title)] = title;
    tokens_ = kxParseReportTemplate(text);
    text = std::string();

    KxFileSink output(outputPath);
    if (!output.isOpen()) {
        tell(hooks, kxString(kxStrCannotCreatePrintOutput, outputPath));
        return kxReportNotPrintable;
    }
    const int result = fill(hooks, output);
    const bool cancelled = result != kxReportDone && output.size() <= kLargeOutput;
    if (cancelled) return result;
    const KxDbError failure = output.commit();
    if (failure != KxDbError::None) {
        tell(hooks, kxString(kxStrCannotWritePrintOutput, outputPath) + ' ' + kxDbErrorMessage(failure));
        return kxReportNotPrintable;
    }
    return result;
}

int KxHtmlReport::generateFromText(const KxReportHooks& hooks, std::string_view templateBytes,
                                   KxReportSink& output, const std::string& title, int rangeMode,
                                   bool deletedList, int limit) {
    source_.initCursor(rangeMode, deletedList, limit);
    values_[static_cast<std::size_t>(KxReportTag::Title)] = title;
    tokens_ = kxParseReportTemplate(kxReportTemplateText(templateBytes));
    return fill(hooks, output);
}
