#include "BodeCsv.h"

#include "RoundTripNumber.h"

std::string BodeCsv(const std::vector<BodePoint>& bode) {
    std::string text = "w_rad_s,plant_mag_db,plant_phase_deg,loop_mag_db,loop_phase_deg\n";
    for (const BodePoint& point : bode) {
        appendNumber(text, point.omegaRadS);
        for (const double value :
             {point.plantMagDb, point.plantPhaseDeg, point.loopMagDb, point.loopPhaseDeg}) {
            text += ',';
            appendNumber(text, value);
        }
        text += '\n';
    }
    return text;
}
