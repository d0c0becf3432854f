// SPDX-FileCopyrightText: 2026 The Fendrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <memory>

#include <QApplication>
#include <gtest/gtest.h>

namespace {

// The application exists only while tests run, so listing the tests needs no display.
class QtApplicationEnvironment : public ::testing::Environment {
public:
    QtApplicationEnvironment(int argc, char** argv) : argc_(argc), argv_(argv) {}

    void SetUp() override {
        QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
        app_ = std::make_unique<QApplication>(argc_, argv_);
    }
    void TearDown() override { app_.reset(); }

private:
    int argc_;
    char** argv_;
    std::unique_ptr<QApplication> app_;
};

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment(argc, argv));
    return RUN_ALL_TESTS();
}
