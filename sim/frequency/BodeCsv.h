#pragma once

#include "FrequencyLab.h"

#include <string>
#include <vector>

/// The Bode curves as CSV, one frequency a line under the heading
/// `w_rad_s,plant_mag_db,plant_phase_deg,loop_mag_db,loop_phase_deg`, every number round-trip exact in
/// the C locale: what the command line prints and the dialog exports.
std::string BodeCsv(const std::vector<BodePoint>& bode);
