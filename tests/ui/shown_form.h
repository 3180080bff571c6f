#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "ui/main_form.h"

// A fresh window, shown (so loaded) and active, for each test.
class ShownForm : public testing::Test {
 protected:
  void SetUp() override { Open(nullptr); }
  void TearDown() override { form_.reset(); }

  // Opens the window playing with the given source of chance, or with its
  // own generator.
  void Open(UniformSource* chance) {
    form_ = chance != nullptr ? std::make_unique<MainForm>(*chance) : std::make_unique<MainForm>();
    form_->show();
    form_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }

  MainForm& form() { return *form_; }

 private:
  std::unique_ptr<MainForm> form_;
};
