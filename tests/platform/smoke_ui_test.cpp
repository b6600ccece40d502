#include <QPushButton>
#include "platform/window_registry.h"
#include "shell/main_menu_window.h"
#include "support/ui_test_support.h"

class Smoke : public WindowTest {};
TEST_F(Smoke, MenuOpens) {
    auto* m = Windows().get<MenuMain>("MenuMain");
    ASSERT_TRUE(m);
    m->show();
    m->button("Savings")->click();
    EXPECT_TRUE(Windows().visible("CalcInpt"));
}
