#!/bin/bash
# Rules of the source tree that no compiler checks:
# - a QtTest check (QVERIFY, QCOMPARE, QTRY_*) inside a GoogleTest test checks nothing;
# - platform/ sees the core only, never the windows or the dialog facade;
# - the function screen and the launcher never see the clock window, which owns them;
# - an include of a core/ or ui/ header names its folder.
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
exit $status
