// A panel started against its real settings file next to the test exe, with the error box
// caught: the file is removed before and after each test.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "settings/settings_file.h"
#include "support/test_files.h"
#include "toolkit/application.h"
#include "ui/unit1.h"

namespace testing_support {

class PanelFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        path_ = quarnel::SettingsFileName();
        Remove();
        toolkit::Application::Instance().SetErrorSink(
            [this](const std::u16string& text) { errors_.push_back(text); });
    }
    void TearDown() override {
        form_.reset();
        toolkit::Application::Instance().SetErrorSink(nullptr);
        Remove();
    }
    void Remove() const {
        ::SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path_.c_str());
        ::DeleteFileW(quarnel::SettingsTempFileName(path_).c_str());
    }
    void WriteFile(const std::string& bytes) const { ASSERT_TRUE(WriteWholeFile(path_, bytes)); }
    std::string ReadFile() const { return ReadWholeFile(path_); }
    quarnel::TForm1& Start() {
        form_ = std::make_unique<quarnel::TForm1>();
        form_->CreateHidden();
        return *form_;
    }

    std::wstring path_;
    std::vector<std::u16string> errors_;
    std::unique_ptr<quarnel::TForm1> form_;
};

} // namespace testing_support
