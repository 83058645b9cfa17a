// The resident memory of a process, as Linux reports it.
#pragma once

#include <fstream>
#include <string>

// Kibibytes resident for a process id ("self" for this one); 0 when unknown.
inline long residentKiB(const std::string& process = "self")
{
    std::ifstream status("/proc/" + process + "/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        std::getline(status, key);
    }
    return 0;
}
