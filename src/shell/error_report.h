// The central error report. Every handler runs inside guard(): a model error
// (or any exception) aborts the handler and is shown in one message box, and
// the run goes on with the screen as far as the handler had built it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace ovta {

// The text as the report shows it: a full stop appended unless the text is
// empty or already ends in a character that sorts at or before '.'.
std::string withFullStop(std::string_view text);

class ErrorReporter {
public:
    virtual ~ErrorReporter() = default;
    virtual void show(const std::string& text) = 0;
};

// A message box with the text, caption "ovtaav1", error icon, OK.
class MessageBoxReporter : public ErrorReporter {
public:
    void show(const std::string& text) override;
};

// Tests swap in a recording reporter; passing nullptr restores the message box.
void setErrorReporter(std::unique_ptr<ErrorReporter> reporter);

// Applies the full-stop rule, traces `error text=...` and shows the text.
void reportError(std::string_view text);

// Runs a handler; reports what it throws.
void guard(const std::function<void()>& handler);

// Guarded handlers running now, nested ones included: a handler that waits
// in an event loop of its own (an error box, a media wait, a modal dialog)
// stays counted until it returns.
int runningHandlers();

// Runs `idle` each time the last running handler returns.
void setHandlersIdleHook(std::function<void()> idle);

}  // namespace ovta
