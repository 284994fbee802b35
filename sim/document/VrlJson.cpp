#include "VrlJson.h"

#include <new>
#include <utility>
#include <vector>

namespace {

using json = nlohmann::json;

/// Builds the value as the parser reads it, refusing what the format does not allow as soon as it
/// comes. Keys are looked up once each in a sorted map, so reading stays near linear in the text.
class CheckedJsonBuilder {
public:
    explicit CheckedJsonBuilder(json& root) : m_root(root) {}

    bool null() { return put(nullptr); }
    bool boolean(bool value) { return put(value); }
    bool number_integer(json::number_integer_t value) { return put(value); }
    bool number_unsigned(json::number_unsigned_t value) { return put(value); }
    bool number_float(json::number_float_t value, const json::string_t&) { return put(value); }
    bool string(json::string_t& value) { return put(std::move(value)); }
    bool binary(json::binary_t&) { return false; }
    bool start_object(std::size_t) { return open(json::object()); }
    bool start_array(std::size_t) { return open(json::array()); }
    bool end_object() { return close(); }
    bool end_array() { return close(); }

    bool key(json::string_t& key) {
        Frame& frame = m_frames.back();
        if (frame.value->contains(key)) {
            m_problem = pathText(false) + (m_frames.size() > 1 ? "." : "") + key + ": the key comes twice";
            return false;
        }
        frame.key = std::move(key);
        return true;
    }

    bool parse_error(std::size_t byte, const std::string& token, const nlohmann::detail::exception& error) {
        if (!m_problem.empty())
            return false;
        const std::string where = pathText(true);
        const std::string prefix = where.empty() ? "" : where + ": ";
        std::string what = error.what();
        if (error.id == 406) {
            m_problem = prefix + "a number out of range (" + token + ")";
        } else if (what.find("surrogate") != std::string::npos) {
            m_problem = prefix + "a lone surrogate";
        } else {
            m_problem = "not JSON (" + description(what, token) + " at byte " + std::to_string(byte) + ")";
        }
        return false;
    }

    const std::string& problem() const { return m_problem; }

private:
    struct Frame {
        json* value;
        std::string key; ///< an object's key whose value comes next
    };

    /// The library's words without its prefix ("[json.exception...] parse error at line 1, column 3: ")
    /// and without the token it quotes, which may be long.
    static std::string description(std::string what, const std::string& token) {
        const std::size_t column = what.find("column ");
        const std::size_t colon = column == std::string::npos ? what.find(": ") : what.find(": ", column);
        if (colon != std::string::npos)
            what.erase(0, colon + 2);
        const std::string lastRead = "; last read: '" + token + "'";
        const std::size_t at = what.find(lastRead);
        if (at != std::string::npos)
            what.erase(at, lastRead.size());
        return what;
    }

    /// Where the value being read sits: "windows[0].kp"; `pending` includes the key or item of the
    /// innermost container not read yet.
    std::string pathText(bool pending) const {
        std::string path;
        for (std::size_t i = 0; i < m_frames.size(); ++i) {
            const Frame& frame = m_frames[i];
            const bool innermost = i + 1 == m_frames.size();
            if (innermost && !pending)
                break;
            if (frame.value->is_object()) {
                path += (path.empty() ? "" : ".") + frame.key;
            } else {
                const std::size_t size = frame.value->size();
                path += "[" + std::to_string(innermost ? size : size - 1) + "]";
            }
        }
        return path;
    }

    json* slot() {
        if (m_frames.empty())
            return &m_root;
        Frame& frame = m_frames.back();
        if (frame.value->is_object())
            return &(*frame.value)[frame.key];
        frame.value->push_back(nullptr);
        return &frame.value->back();
    }

    bool put(json value) {
        *slot() = std::move(value);
        return true;
    }

    bool open(json container) {
        if (m_frames.size() >= kMaxVrlDepth) {
            m_problem = "nested deeper than " + std::to_string(kMaxVrlDepth);
            return false;
        }
        json* value = slot();
        *value = std::move(container);
        m_frames.push_back({value, {}});
        return true;
    }

    bool close() {
        m_frames.pop_back();
        return true;
    }

    json& m_root;
    std::vector<Frame> m_frames;
    std::string m_problem;
};

} // namespace

bool parseVrlJson(const std::string& text, json& root, std::string& problem) {
    root = json();
    problem.clear();
    if (text.size() > kMaxVrlBytes) {
        problem = "the file is larger than 1 MB";
        return false;
    }
    CheckedJsonBuilder builder(root);
    try {
        if (json::sax_parse(text, &builder))
            return true;
        problem = builder.problem().empty() ? "not JSON" : builder.problem();
    } catch (const std::bad_alloc&) {
        problem = "out of memory";
    }
    root = json();
    return false;
}
