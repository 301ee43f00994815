#pragma once

#include "app/main_window.h"
#include "app/startup.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "ticket/random.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

// The four windows of a fresh game in a folder of its own (the score file lives in the current
// folder), every box recorded instead of shown, the generator in its start state and the clock
// stopped at a fixed second.
class GameFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        platform::InitApplication();
        previousRecorder_ = platform::SetBoxRecorder(
            [this](platform::BoxKind, const QString &text) { boxes.push_back(text); });
        GameRandom().Seed(Generator::StartSeed);
        SetGameClock([] { return std::time_t { 1765400312 }; });
        windows_ = std::make_unique<GameWindows>();
    }

    void TearDown() override
    {
        windows_.reset();
        SetGameClock({});
        platform::SetBoxRecorder(previousRecorder_);
        QDir::setCurrent(previousFolder_);
    }

    std::vector<QString> boxes;

private:
    QTemporaryDir folder_;
    QString previousFolder_;
    platform::BoxRecorder previousRecorder_;
    std::unique_ptr<GameWindows> windows_;
};
