#include "state_table.h"

#include "skin/input/fade.h"

#include <gtest/gtest.h>

namespace qmtest {

namespace {

constexpr COLORREF kWipe = RGB(255, 0, 255);

void expectProps(HWND hwnd, const Props& want, const char* what)
{
    using skin::getProp;
    namespace prop = skin::prop;
    if (want.state) {
        EXPECT_EQ(getProp(hwnd, prop::kOldState), *want.state) << what << ": OLDSTATE";
    }
    if (want.mouseFlag) {
        EXPECT_EQ(getProp(hwnd, prop::kMouseFlag), *want.mouseFlag) << what << ": MOUSEFLAG";
    }
    if (want.alpha) {
        EXPECT_EQ(getProp(hwnd, prop::kAlphaLevel), *want.alpha) << what << ": ALPHALEVEL";
    }
    if (want.fading) {
        EXPECT_EQ(getProp(hwnd, prop::kTimerId) != 0, *want.fading) << what << ": fade running";
    }
    if (want.hot) {
        EXPECT_EQ(getProp(hwnd, prop::kHmIndex), *want.hot) << what << ": HMINDEX";
    }
    if (want.held) {
        EXPECT_EQ(getProp(hwnd, prop::kHdIndex), *want.held) << what << ": HDINDEX";
    }
}

} // namespace

void applyProps(HWND hwnd, const Props& props)
{
    namespace prop = skin::prop;
    if (props.state)
        skin::setProp(hwnd, prop::kOldState, *props.state);
    if (props.mouseFlag)
        skin::setProp(hwnd, prop::kMouseFlag, *props.mouseFlag);
    if (props.alpha)
        skin::setProp(hwnd, prop::kAlphaLevel, *props.alpha);
    if (props.fading)
        *props.fading ? skin::startFadeTimer(hwnd) : skin::stopFadeTimer(hwnd);
    if (props.hot)
        skin::setProp(hwnd, prop::kHmIndex, *props.hot);
    if (props.held)
        skin::setProp(hwnd, prop::kHdIndex, *props.held);
}

void runTable(const Row* rows, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Row& row = rows[i];
        InputForm f;
        HWND hwnd = f.*row.control;
        pointAt(row.pointer ? f.*row.pointer : nullptr);
        applyProps(hwnd, row.before);
        wipe(hwnd, kWipe);
        SendMessageW(hwnd, row.msg, row.wParam, row.lParam);
        expectProps(hwnd, row.after, row.what);
        if (row.painted) {
            EXPECT_EQ(paintedOver(hwnd, kWipe), *row.painted) << row.what << ": painted";
        }
    }
}

} // namespace qmtest
