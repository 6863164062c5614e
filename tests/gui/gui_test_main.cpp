// Test program of the desktop front end: one QApplication for every test.
#include <gtest/gtest.h>

#include <QApplication>

#include "gui/translations.h"

namespace {

// A language a test chose stays with that test: each test starts without translations.
class FreshLanguage : public testing::EmptyTestEventListener {
    void OnTestEnd(const testing::TestInfo&) override { vak1::LoadQtTranslations(-1); }
};

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    testing::UnitTest::GetInstance()->listeners().Append(new FreshLanguage);
    return RUN_ALL_TESTS();
}
