#!/bin/bash
# Rules of the source tree that no compiler checks:
# - a QtTest check (QVERIFY, QCOMPARE, QTRY_*) inside a GoogleTest test checks nothing;
# - platform/ sees the core only, never the windows or the dialog facade;
# - the function screen and the launcher never see the clock window, which owns them;
# - an include of a core/ or ui/ header names its folder;
# - what differs between Linux and Windows lives in platform/linux and platform/windows (and
#   their tests in tests/linux and tests/windows): nowhere else tests for the system.
#   source_rules.sh SOURCE_DIR
set -uo pipefail
cd "${1:?usage: source_rules.sh SOURCE_DIR}" || exit 1
status=0
if grep -rnE '\bQ(VERIFY|VERIFY2|COMPARE|TRY_[A-Z_]+|FAIL|EXPECT_FAIL)\(' \
    --include='*.cpp' --include='*.h' tests bench; then
    echo "FAIL: QtTest checks in GoogleTest code; use EXPECT_*/ASSERT_* and eventually()" >&2
    status=1
fi
if grep -rnE '#include[[:space:]]*"(ui|mainwindow|functionscreen|launcher)/|#include[[:space:]]*"(Dialogs|Context)\.h"' \
    platform; then
    echo "FAIL: platform/ includes the windows or the dialog facade" >&2
    status=1
fi
if grep -rnE '#include[[:space:]]*"mainwindow/' functionscreen launcher; then
    echo "FAIL: functionscreen/ or launcher/ includes mainwindow/" >&2
    status=1
fi
bare=$(cd core && ls *.h; cd ../ui && ls *.h)
bare=$(echo $bare | sed 's/\./\\./g; s/ /|/g')
if grep -rnE "#include[[:space:]]*\"($bare)\"" --include='*.cpp' --include='*.h' \
    app core ui mainwindow functionscreen launcher platform tests bench; then
    echo "FAIL: an include of a core/ or ui/ header does not name its folder" >&2
    status=1
fi
if grep -rnE '#[[:space:]]*(if|ifdef|ifndef|elif).*(Q_OS_|_WIN32|_WIN64|__linux|__unix|__MINGW|_MSC_VER)|#include[[:space:]]*<(windows|unistd|pwd|dirent|io)\.h>|#include[[:space:]]*<sys/' \
    --include='*.cpp' --include='*.h' app core ui mainwindow functionscreen launcher; then
    echo "FAIL: a test for the system, or a system header, outside platform/linux and platform/windows" >&2
    status=1
fi
exit $status
