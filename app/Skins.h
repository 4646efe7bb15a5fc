#pragma once
// The six stored skins: Qt style sheets kept zlib-compressed inside the
// program. Applying one restyles every open window at once.

#include <QString>
#include <QStringList>

class TSkinData
{
public:
    static constexpr int Count = 6;
    // "Charm.skn" … for 1..6, empty otherwise.
    static QString StoredSkinFile(int number);
    // The entries of the skin list, index = number - 1.
    static QStringList Names();
    // The style sheet of a stored skin; false for a number outside 1..6 or a damaged skin.
    static bool StyleSheet(int number, QString* sheet);
    // Applies stored skin 1..6 to the application; any other number changes nothing.
    bool Apply(int number);
    int Applied() const { return m_applied; }

private:
    int m_applied = 0;
};
