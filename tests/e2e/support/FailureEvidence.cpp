#include "tests/e2e/support/FailureEvidence.h"

#include "tests/e2e/support/Paths.h"
#include "tests/e2e/support/ProgramFolder.h"
#include "tests/e2e/support/XSession.h"

#include <gtest/gtest.h>

#include <iostream>

namespace e2e {

void keepFailureEvidence(XSession &session, const ProgramFolder &folder) {
    if (!testing::Test::HasFailure())
        return;
    const QString shot = artifactsFolder() + QLatin1Char('/') +
                         QString::fromUtf8(testing::UnitTest::GetInstance()->current_test_info()->name()) +
                         QStringLiteral(".png");
    session.screenshot(shot);
    std::cerr << "screenshot: " << shot.toStdString()
              << "\nwindows: " << session.mappedWindowNames().join(QStringLiteral(", ")).toStdString()
              << "\nprogram output:\n"
              << folder.output().toStdString() << std::endl;
}

} // namespace e2e
