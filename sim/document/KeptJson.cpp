#include "KeptJson.h"

#include <nlohmann/json.hpp>

KeptJson::KeptJson() : m_value(std::make_unique<nlohmann::json>(nlohmann::json::object())) {}

KeptJson::KeptJson(nlohmann::json value) : m_value(std::make_unique<nlohmann::json>(std::move(value))) {}

KeptJson::KeptJson(const KeptJson& other) : m_value(std::make_unique<nlohmann::json>(*other.m_value)) {}

KeptJson& KeptJson::operator=(const KeptJson& other) {
    *m_value = *other.m_value;
    return *this;
}

KeptJson& KeptJson::operator=(KeptJson&& other) noexcept {
    std::swap(m_value, other.m_value);
    return *this;
}

KeptJson::~KeptJson() = default;
