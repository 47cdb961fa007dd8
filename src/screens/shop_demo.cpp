#include "screens/shop_demo.h"

KurzorDema::KurzorDema(const ObchodRozmery &rozmery, const std::vector<Polozka> &predpis, int x, int y)
    : r(rozmery), nakupy(predpis), zaciatok{x, y}, kde{x, y}
{}

// The middle of the k-th item to buy, or of CONTINUE after the last.
KurzorDema::Bod KurzorDema::ciel(size_t k) const
{
    if (k >= nakupy.size())
        return {r.stred_x, (r.continue_y1 + r.continue_y2) / 2};
    int lavy = nakupy[k] == POLOZKA_TORPEDO ? r.torpedo_x : r.navnada_x;
    return {lavy + r.polozka_w / 2, r.polozka_y + r.polozka_h / 2};
}

void KurzorDema::pass(int t, int &x, int &y, bool &tlacidlo)
{
    tlacidlo = false;
    if (pustit || kliknute > nakupy.size()) {
        pustit = false;
        x = kde.x;
        y = kde.y;
        return;
    }
    Bod od = kliknute == 0 ? zaciatok : ciel(kliknute - 1);
    Bod kam = ciel(kliknute);
    int zaciatok_useku = (int)kliknute * NA_NAKUP;
    double cast = (t - zaciatok_useku) / (double)PRESUN;
    if (cast < 0)
        cast = 0;
    if (cast > 1)
        cast = 1;
    kde = {od.x + (int)((kam.x - od.x) * cast), od.y + (int)((kam.y - od.y) * cast)};
    if (t >= zaciatok_useku + PRESUN + 50) {
        kde = kam;
        tlacidlo = true;
        pustit = true;
        kliknute++;
    }
    x = kde.x;
    y = kde.y;
}
