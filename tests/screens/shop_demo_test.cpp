// The shop's own pointer in demo playback, through the real shop pass; the
// real mouse, held down over the torpedo all the while, is not read.
#include <vector>

#include <gtest/gtest.h>

#include "platform/casovac.h"
#include "screens/shop_demo.h"
#include "screens/shop_pass.h"
#include "support/allegro_env.h"
#include "text/alfont.h"

namespace {

class Pocitadlo : public PozorovatelNakupu {
public:
    void kupene(Polozka p) override { v.push_back(p); }
    std::vector<Polozka> v;
};

}  // namespace

TEST(ShopDemoPointer, BuysWhatTheDemoBoughtInOrderThenLeaves)
{
    BITMAP *buffer = create_bitmap(1024, 768);
    BITMAP *obrazovka = screen;
    screen = create_bitmap(1024, 768);
    int peniaze = 100, torpeda = 3, navnady = 7;
    ObchodStav s = obchod_stav(buffer, nullptr, nullptr, &peniaze, 50, 10, &torpeda, &navnady);
    Pocitadlo pocitadlo;
    s.pozorovatel = &pocitadlo;
    const std::vector<Polozka> nakupy = {POLOZKA_NAVNADA, POLOZKA_TORPEDO, POLOZKA_NAVNADA};
    KurzorDema kurzor(s.r, nakupy, 0, 0);
    mozme_kupit = true;
    mouse_x = 300;
    mouse_y = 200;
    mouse_b = 1;

    // A pass every 15 ms, each reading the pointer as the shop does.
    int t = 0;
    int stlacene = 0;
    for (; t < 5000 && !s.hotovo; t += 15) {
        s.demo_mys = true;
        kurzor.pass(t, s.demo_x, s.demo_y, s.demo_tlacidlo);
        stlacene += s.demo_tlacidlo;
        shop_pass(s);
    }
    mouse_b = 0;
    EXPECT_TRUE(s.hotovo);
    EXPECT_EQ(pocitadlo.v, nakupy);
    EXPECT_EQ(stlacene, 4);
    EXPECT_EQ(peniaze, 30);
    EXPECT_EQ(torpeda, 4);
    EXPECT_EQ(navnady, 9);
    // About two purchases a second, then CONTINUE.
    EXPECT_GE(t, 1800);
    EXPECT_LE(t, 2100);

    destroy_bitmap(screen);
    screen = obrazovka;
    destroy_bitmap(buffer);
}
