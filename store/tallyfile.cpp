#include "store/tallyfile.h"

#include "store/lzrw1.h"
#include "store/regularfile.h"

#include <fstream>
#include <system_error>

namespace brixo {

namespace {

// Far more than any tally (a hundred players take a few kilobytes); a
// bigger file, or one that claims more text, is not a tally.
constexpr std::uintmax_t kMaxFileSize = 16u << 20;
constexpr std::size_t kMaxText = 16u << 20;

// What the user is told of a file that could not be read.
std::string unusable(const std::string& failure, const std::filesystem::path& file, const std::filesystem::path& kept)
{
    std::string text = failure + "\n\nThe tally file " + file.string() + " could not be read. ";
    if (kept.empty()) text += "It is left where it is, and it is not written over.";
    else text += "It was kept as " + kept.string() + ".";
    return text;
}

} // namespace

TallyFile::TallyFile(std::filesystem::path file, std::filesystem::path olderFile)
    : m_file(std::move(file)), m_older(std::move(olderFile))
{
}

std::optional<Tally> TallyFile::read(const std::filesystem::path& file, std::string& failure)
{
    const std::string name = file.string();
    const std::optional<std::string> bytes = readRegularFile(file, kMaxFileSize, failure);
    if (!bytes) return std::nullopt;
    const Tlzrw1::Outcome text = Tlzrw1::decompressBytes(*bytes, name, kMaxText);
    if (!text.ok()) {
        failure = text.failure;
        return std::nullopt;
    }
    std::optional<Tally> tally = Tally::loadgrid(text.bytes);
    if (!tally) failure = name + " : the tally inside is not a grid of 9 columns with all its cells !";
    return tally;
}

TallyFile::Loaded TallyFile::load()
{
    Loaded result;
    const auto problem = [&result](const std::string& text) {
        if (!result.problem.empty()) result.problem += "\n\n";
        result.problem += text;
    };
    std::error_code error;
    if (fileKind(m_older) != FileKind::Missing) {
        std::string failure;
        if (std::optional<Tally> older = read(m_older, failure)) {
            result.tally = std::move(*older);
            result.tally.zeroSession();
            // The older file goes only once its tally is safe in the new one.
            if (save(result.tally)) std::filesystem::remove(m_older, error);
            return result;
        }
        // The tally file, if any, is read instead.
        problem(unusable(failure, m_older, setFileAside(m_older)));
    }
    if (fileKind(m_file) != FileKind::Missing) {
        std::string failure;
        if (std::optional<Tally> current = read(m_file, failure)) {
            result.tally = std::move(*current);
            result.tally.zeroSession();
            return result;
        }
        const std::filesystem::path kept = setFileAside(m_file);
        m_writable = !kept.empty();
        problem(unusable(failure, m_file, kept));
    }
    if (!result.problem.empty())
        problem(m_writable ? "The tally starts empty." : "The tally starts empty and is not saved.");
    return result;
}

bool TallyFile::save(const Tally& tally)
{
    if (!m_writable) return false;
    const Tlzrw1::Outcome packed = Tlzrw1::compressBytes(tally.savegrid(), m_file.string());
    if (!packed.ok()) return false;
    std::filesystem::path fresh = m_file;
    fresh += ".new";
    std::error_code error;
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out.write(packed.bytes.data(), std::streamsize(packed.bytes.size()));
        out.close();
        if (!out) {
            std::filesystem::remove(fresh, error);
            return false;
        }
    }
    std::filesystem::rename(fresh, m_file, error);
    if (!error) return true;
    std::filesystem::remove(fresh, error);
    return false;
}

} // namespace brixo
