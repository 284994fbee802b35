#include "Sensor.h"

#include <cmath>

double CSensor::Measure(double y, const SensorActuatorSettings& settings) {
    double m = y;
    if (settings.noiseStd > 0.0) {
        m = y + settings.noiseStd * m_noise.Gaussian();
    }
    if (settings.quantization > 0.0) {
        m = settings.quantization * std::round(m / settings.quantization);
    }
    return m;
}
