// The nine section homes. Each kind is its row of the settings table and its
// own module-level state; everything else is the one home design.
#pragma once

#include <QPointer>

#include "sections/section_home.h"

namespace ovta {

// landmarks
class Tfrm01 : public SectionHome {
public:
    static constexpr const char* Kind = "frm01";
    static inline QPointer<Tfrm01> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm01() : SectionHome(Kind, state()) {}
};

// notable figures
class Tfrm11 : public SectionHome {
public:
    static constexpr const char* Kind = "frm11";
    static inline QPointer<Tfrm11> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm11() : SectionHome(Kind, state()) {}
};

// the Prophet's biography
class Tfrm21 : public SectionHome {
public:
    static constexpr const char* Kind = "frm21";
    static inline QPointer<Tfrm21> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm21() : SectionHome(Kind, state()) {}
};

// creeds
class Tfrm31 : public SectionHome {
public:
    static constexpr const char* Kind = "frm31";
    static inline QPointer<Tfrm31> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm31() : SectionHome(Kind, state()) {}
};

// jurisprudence
class Tfrm41 : public SectionHome {
public:
    static constexpr const char* Kind = "frm41";
    static inline QPointer<Tfrm41> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm41() : SectionHome(Kind, state()) {}
};

// history
class Tfrm51 : public SectionHome {
public:
    static constexpr const char* Kind = "frm51";
    static inline QPointer<Tfrm51> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm51() : SectionHome(Kind, state()) {}
};

// the Quran
class Tfrm61 : public SectionHome {
public:
    static constexpr const char* Kind = "frm61";
    static inline QPointer<Tfrm61> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm61() : SectionHome(Kind, state()) {}
};

// principles of jurisprudence
class Tfrm71 : public SectionHome {
public:
    static constexpr const char* Kind = "frm71";
    static inline QPointer<Tfrm71> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm71() : SectionHome(Kind, state()) {}
};

// sects
class Tfrm81 : public SectionHome {
public:
    static constexpr const char* Kind = "frm81";
    static inline QPointer<Tfrm81> instance;
    static HomeState& state()
    {
        static HomeState s;
        return s;
    }
    Tfrm81() : SectionHome(Kind, state()) {}
};

}  // namespace ovta
