# SPDX-FileCopyrightText: 2026 The Quimbra developers
# SPDX-License-Identifier: GPL-3.0-or-later

# quimbra_rfc2822_date(YYYY-MM-DD OUT): the date as a Debian changelog writes
# it, "Tue, 08 Dec 2026 12:00:00 +0000" (noon UTC; only the day matters). The
# weekday comes from the number of days since 1970-01-01, a Thursday.
function(quimbra_rfc2822_date iso out)
    if(NOT iso MATCHES "^([0-9][0-9][0-9][0-9])-([0-9][0-9])-([0-9][0-9])$")
        message(FATAL_ERROR "Release date '${iso}' is not YYYY-MM-DD")
    endif()
    set(day_text ${CMAKE_MATCH_3})
    math(EXPR y "${CMAKE_MATCH_1}")
    math(EXPR m "${CMAKE_MATCH_2}")
    math(EXPR d "${CMAKE_MATCH_3}")
    if(m LESS 1 OR m GREATER 12 OR d LESS 1 OR d GREATER 31)
        message(FATAL_ERROR "Release date '${iso}' is not a date")
    endif()
    # Days from the civil date, counting the year from March so that the
    # leap day falls at its end.
    if(m LESS_EQUAL 2)
        math(EXPR y "${y} - 1")
        math(EXPR month_from_march "${m} + 9")
    else()
        math(EXPR month_from_march "${m} - 3")
    endif()
    math(EXPR era "${y} / 400")
    math(EXPR year_of_era "${y} - ${era} * 400")
    math(EXPR day_of_year "(153 * ${month_from_march} + 2) / 5 + ${d} - 1")
    math(EXPR day_of_era
         "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    math(EXPR weekday "(${days} + 4) % 7")
    set(weekdays Sun Mon Tue Wed Thu Fri Sat)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(GET weekdays ${weekday} weekday_name)
    math(EXPR month_index "${CMAKE_MATCH_2} - 1")
    list(GET months ${month_index} month_name)
    set(${out} "${weekday_name}, ${day_text} ${month_name} ${CMAKE_MATCH_1} 12:00:00 +0000"
        PARENT_SCOPE)
endfunction()
