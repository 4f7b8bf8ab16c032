#include "support/recording_reporter.h"

#include <memory>

namespace ovta::test {

RecordErrors::RecordErrors()
{
    auto recorder = std::make_unique<RecordingReporter>();
    recorder_ = recorder.get();
    setErrorReporter(std::move(recorder));
}

RecordErrors::~RecordErrors() { setErrorReporter(nullptr); }

}  // namespace ovta::test
