// One engine for the nine fill animations: the starters arm a timer, every tick
// runs the animation's table (animation_table.h) with the shared step counter.
#include "animation_table.h"
#include "datapath.h"
#include "datapath_impl.h"
#include "model/globals.h"

namespace {
enum Which { kMN, kPC, kIR2, kEM, kEM2, kUAL, kRZ, kEM3, kRlag };

void paintPiece(Datapath& d, const char* bus, int k)
{
    const QVector<Element*>& pieces = dp::pieces(d, bus);
    if (k >= 0 && k < pieces.size())
        pieces[k]->setBack(colour::Red);
}

void redArrow(Datapath& d, const char* bus) { dp::arrow(d, bus).loadPicture(dp::arrowLook(bus, "gorria")); }
}  // namespace

void Datapath::startFill(int which)
{
    Bus_Urratsa = 0;
    d_->ticks[which] = 0;
    timerOrder_[which]->setEnabled(true);
}

void Datapath::runFillTick(int which)
{
    const FillAnimation& a = fillAnimation(which);
    const int tick = ++d_->ticks[which];
    if (tick <= a.regularTicks) {
        const int s = Bus_Urratsa;
        for (int n = s; n < s + a.window; ++n) {
            for (const FillArray& arr : a.arrays)
                paintPiece(*this, arr.bus, n - arr.delay);
            for (const FillArray& arr : a.arrays)
                if (arr.arrowStep == n)
                    redArrow(*this, arr.bus);
        }
        Bus_Urratsa = int16_t(s + a.window);
    } else if (tick <= a.ticks()) {
        for (const FillAction& act : a.closingTicks[tick - a.regularTicks - 1]) {
            if (act.what == FillDo::OnlyIfMemoryToEM && el(QStringLiteral("mux2_1_G")).back() != colour::Green)
                break;
            switch (act.what) {
            case FillDo::Paint:
                for (int k = act.from; k <= act.to; ++k)
                    paintPiece(*this, act.bus, k);
                break;
            case FillDo::Arrow:
                redArrow(*this, act.bus);
                break;
            case FillDo::Counter:
                Bus_Urratsa = int16_t(act.from);
                break;
            case FillDo::MemoryWordOnBuses:
                MN_Bus_TTT_aldatu(el(QStringLiteral("MN_DAT_G")).text());
                break;
            case FillDo::MemoryWordToEM:
                Mux2_Bus_TTT_aldatu(el(QStringLiteral("Bus_MN_mux_Gezia")).tip());
                break;
            case FillDo::OnlyIfMemoryToEM:
                break;
            }
        }
    }
    if (tick >= a.ticks())
        timerOrder_[which]->setEnabled(false);
}

void Datapath::PC_Bus_Bete() { startFill(kPC); }
void Datapath::MN_Bus_Bete()
{
    G().MN_Busak_Zain = false;
    startFill(kMN);
}
void Datapath::IR2_Bus_bete() { startFill(kIR2); }
void Datapath::EM_Bus_bete() { startFill(kEM); }
void Datapath::EM_2_Bus_bete() { startFill(kEM2); }
void Datapath::UAL_Bus_bete() { startFill(kUAL); }
void Datapath::RZ_Bus_bete() { startFill(kRZ); }
void Datapath::EM_3_Bus_bete() { startFill(kEM3); }
void Datapath::Rlag_Bus_bete() { startFill(kRlag); }
