#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "ui/main_form.h"

// A fresh window, shown and active, for each test.
class ShownForm : public testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<MainForm>();
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  void TearDown() override { form_.reset(); }

  MainForm& form() { return *form_; }

 private:
  std::unique_ptr<MainForm> form_;
};
