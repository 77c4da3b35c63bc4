#pragma once
// A scripted user interface whose progress boxes report Cancel after a given number of
// progress steps, so that a cancel in the middle of a loading or an import can be tested.

#include "tests/support/ScriptedUi.h"

class CountingWaitBox : public KxWaitBox {
public:
    CountingWaitBox(long& stepsLeft, std::vector<std::pair<std::uint64_t, std::uint64_t>>& steps)
        : stepsLeft_(stepsLeft), steps_(steps) {}
    void setStatus(const std::string&) override {}
    void setProgress(std::uint64_t done, std::uint64_t total) override { steps_.emplace_back(done, total); }
    bool cancelled() override { return stepsLeft_ >= 0 && stepsLeft_-- == 0; }

private:
    long& stepsLeft_;
    std::vector<std::pair<std::uint64_t, std::uint64_t>>& steps_;
};

class ImportTestUi : public ScriptedUi {
public:
    long cancelAfterSteps = -1; // -1: never
    std::vector<std::pair<std::uint64_t, std::uint64_t>> steps;

    std::unique_ptr<KxWaitBox> waitBox(const std::string& status) override {
        waitStatuses.push_back(status);
        return std::make_unique<CountingWaitBox>(cancelAfterSteps, steps);
    }
};
