// SPDX-License-Identifier: MIT
// A player: a name and the name of the player file in the players folder.
#include "players/PlayerBase.h"

#include "players/FolderFile.h"

bool CPlayerBase::Load(const std::string&) {
    return false;
}

bool CPlayerBase::Save(const std::string&) {
    return false;
}

void CPlayerBase::Clear() {}

bool CPlayerBase::MakeFileName(const std::string& name, const std::string& playersFolder) {
    m_strName = name;
    return ReserveFileName(name, playersFolder, ".ply", m_strFileName);
}
