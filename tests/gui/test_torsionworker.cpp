// The torsion worker under the desktop's progress window: the worker forks from the window's
// job thread inside the Qt program, and "Abbrechen" ends it at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

#include <chrono>

#include "fem/worker.h"
#include "gui/QtUi.h"

using namespace vak1;

namespace {

TorsionStatus Endless(const TorsionInput&, const TorsionOptions&, TorsionValues&, std::string&,
                      const std::function<bool(std::size_t, std::size_t)>&) {
    volatile unsigned long spins = 0;
    for (;;)
        spins = spins + 1;
}

// A mesher that never ended held the program for ever, "Abbrechen" unheard.
TEST(TorsionWorkerWindow, AbbrechenEndsARunawayWorker) {
    QtUi ui;
    TorsionInput in;
    in.contour = {{0, 0}, {1000, 0}, {500, 0.001}};
    TorsionStatus status = TorsionStatus::Ok;
    WorkerEnd end = WorkerEnd::Finished;
    ProgressJob job{"Torsion", 5, [&](const std::function<bool(std::size_t)>& report) {
                        TorsionValues v;
                        std::string message;
                        status = ComputeTorsionContained(
                            in, {}, v, message,
                            [&](std::size_t d, std::size_t) { return report(d); }, {600, 0}, &end,
                            Endless);
                    }};
    QTimer::singleShot(300, [] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(w)) progress->cancel();
    });
    const auto start = std::chrono::steady_clock::now();
    ui.RunWithProgress(job);
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 5);
    EXPECT_EQ(status, TorsionStatus::Cancelled);
    EXPECT_EQ(end, WorkerEnd::Cancelled);
}

} // namespace
