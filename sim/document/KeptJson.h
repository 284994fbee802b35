#pragma once

#include <nlohmann/json_fwd.hpp>

#include <memory>

/// JSON a `.vrl` holds that this version does not read (keys it does not know, lists as they came),
/// kept to be written back exactly. A value type whose header leaves the JSON library out, so that the
/// windows that keep it need not compile it.
class KeptJson {
public:
    KeptJson();
    explicit KeptJson(nlohmann::json value);
    KeptJson(const KeptJson& other);
    KeptJson& operator=(const KeptJson& other);
    KeptJson& operator=(KeptJson&& other) noexcept;
    ~KeptJson();

    /// An empty object until something is kept.
    const nlohmann::json& value() const { return *m_value; }
    nlohmann::json& value() { return *m_value; }

private:
    std::unique_ptr<nlohmann::json> m_value;
};
