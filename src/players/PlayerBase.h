// SPDX-License-Identifier: MIT
// A player: a name and the name of the player file in the players folder.
#pragma once

#include <string>

class CPlayerBase {
public:
    CPlayerBase() = default;
    virtual ~CPlayerBase() = default;
    CPlayerBase(const CPlayerBase&) = delete;
    CPlayerBase& operator=(const CPlayerBase&) = delete;

    virtual bool Load(const std::string& playersFolder);
    virtual bool Save(const std::string& playersFolder);
    virtual void Clear();

    // Takes the name and finds, and creates empty, a free player file for it.
    bool MakeFileName(const std::string& name, const std::string& playersFolder);

    std::string m_strFileName;
    std::string m_strName;
};
