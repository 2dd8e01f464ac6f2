#pragma once

// The targets a benchmark program states, and the line that ends its output:
//   targets: 2 met, 1 missed (Save 131 ms <= 100 ms: missed; ...)
// A benchmark records what it measured under a target's name; when a benchmark runs more than
// once (Google Benchmark first runs it to find the iteration count), its last run counts.
// Targets whose benchmarks did not run (filtered out, skipped) are left out of the count.
#include <cstdio>
#include <map>
#include <string>

namespace BenchTargets {

class Summary {
public:
    // value <= limit is met; unit names both, as the summary prints them.
    void record(const std::string &name, double value, double limit, const char *unit)
    {
        m_targets[name] = {value, limit, unit};
    }

    // Printed as the program ends, after Google Benchmark's own report.
    ~Summary()
    {
        int met = 0;
        std::string details;
        for (const auto &[name, target] : m_targets) {
            const bool ok = target.value <= target.limit;
            met += ok ? 1 : 0;
            char line[256];
            std::snprintf(line, sizeof line, "%s%s %.3g %s <= %.3g %s: %s",
                          details.empty() ? "" : "; ", name.c_str(), target.value,
                          target.unit.c_str(), target.limit, target.unit.c_str(),
                          ok ? "met" : "missed");
            details += line;
        }
        std::printf("targets: %d met, %d missed (%s)\n", met, int(m_targets.size()) - met,
                    m_targets.empty() ? "none stated for what ran" : details.c_str());
        std::fflush(stdout);
    }

private:
    struct Target {
        double value = 0;
        double limit = 0;
        std::string unit;
    };
    std::map<std::string, Target> m_targets;
};

// One per program: every benchmark file includes this header, so every program prints the line.
inline Summary summary;

inline void record(const std::string &name, double value, double limit, const char *unit)
{
    summary.record(name, value, limit, unit);
}

} // namespace BenchTargets
