#include "memoria.h"

#include "funtzioak.h"

namespace {
const std::string kZero(16, '0');
}

MemoriaNagusia::MemoriaNagusia() : MN_Egiturak(kAzkenHelbidea + 1) { hasieratu(); }

void MemoriaNagusia::hasieratu()
{
    for (int32_t i = 0; i <= kAzkenHelbidea; ++i) {
        std::string label = hexText(i);
        while (label.size() < 4)
            label.insert(label.begin(), '0');
        MN_Egitura& w = MN_Egiturak[static_cast<size_t>(i)];
        w.h = label + "H:";
        w.k = kZero;
        w.A.clear();
        w.AK = -1;
    }
}

const MN_Egitura* MemoriaNagusia::at(const std::string& h) const
{
    const int32_t address = Hamaseitarretik_Hamartarrera(h);
    if (address < 0 || address > kAzkenHelbidea)
        return nullptr;
    return &MN_Egiturak[static_cast<size_t>(address)];
}

void MemoriaNagusia::MN_Egitura_Aldatu(const std::string& h, const std::string& k, const std::string& A, int16_t AK)
{
    auto* w = const_cast<MN_Egitura*>(at(h));
    if (!w)
        return;
    w->h = h;
    w->k = k;
    w->A = A;
    w->AK = AK;
}

std::string MemoriaNagusia::MN_Egitura_Kodea_Irakurri(const std::string& h) const
{
    const MN_Egitura* w = at(h);
    return w ? w->k : std::string();
}

std::string MemoriaNagusia::MN_Egitura_Agindua_Irakurri(const std::string& h) const
{
    const MN_Egitura* w = at(h);
    return w ? w->A : std::string();
}

int16_t MemoriaNagusia::MN_Egitura_AK_Irakurri(const std::string& h) const
{
    const MN_Egitura* w = at(h);
    return w ? w->AK : int16_t(-1);
}

MN_Egitura MemoriaNagusia::record(const std::string& h) const
{
    const MN_Egitura* w = at(h);
    return w ? *w : MN_Egitura{};
}

ErregistroMultzoa::ErregistroMultzoa() { hasieratu(); }

void ErregistroMultzoa::hasieratu() { Erreg_M_Dat.fill(kZero); }

std::string ErregistroMultzoa::Erreg_M_Dat_Egitura_Irakurri(int16_t pos) const
{
    if (pos < 0 || pos >= static_cast<int16_t>(Erreg_M_Dat.size()))
        return std::string();
    return Erreg_M_Dat[static_cast<size_t>(pos)];
}

void ErregistroMultzoa::Erreg_M_Dat_Egitura_Aldatu(const std::string& dat, int16_t pos)
{
    if (pos < 0 || pos >= static_cast<int16_t>(Erreg_M_Dat.size()))
        return;
    Erreg_M_Dat[static_cast<size_t>(pos)] = dat;
}

MemoriaNagusia& MN()
{
    static MemoriaNagusia instance;
    return instance;
}

ErregistroMultzoa& EM()
{
    static ErregistroMultzoa instance;
    return instance;
}
