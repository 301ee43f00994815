#pragma once

#include "app/main_window.h"
#include "app/startup.h"
#include "platform/form.h"
#include "platform/message_box.h"
#include "ticket/draw.h"
#include "ticket/random.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// A fresh game in a folder of its own (the score file lives in the current folder), every box
// recorded instead of shown, the generator in its start state, no ticket bought and the clock
// stopped at a fixed second. The four windows are built at set-up, or, for a test that first puts
// a score file in place, when it calls StartGame.
class GameFixture : public ::testing::Test
{
protected:
    explicit GameFixture(bool startAtSetUp = true)
        : startAtSetUp_(startAtSetUp)
    { }

    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        previousFolder_ = QDir::currentPath();
        QDir::setCurrent(folder_.path());
        platform::InitApplication();
        previousRecorder_ = platform::SetBoxRecorder(
            [this](platform::BoxKind, const QString &text) { boxes.push_back(text); });
        GameRandom().Seed(Generator::StartSeed);
        TicketWin = 0;
        SetGameClock([] { return std::time_t { 1765400312 }; });
        if (startAtSetUp_) {
            StartGame();
        }
    }

    void StartGame() { windows_ = std::make_unique<GameWindows>(); }

    void TearDown() override
    {
        windows_.reset();
        SetGameClock({});
        platform::SetBoxRecorder(previousRecorder_);
        QDir::setCurrent(previousFolder_);
    }

    QStringList boxes;

private:
    bool startAtSetUp_;
    QTemporaryDir folder_;
    QString previousFolder_;
    platform::BoxRecorder previousRecorder_;
    std::unique_ptr<GameWindows> windows_;
};
