# Writes the info dictionary, a JSON object of the build-time settings.
# A setting left empty is left out, so the program can tell "not set" apart
# from "set to something wrong".

function(_stint_json_string out value)
    string(REPLACE "\\" "\\\\" value "${value}")
    string(REPLACE "\"" "\\\"" value "${value}")
    string(REPLACE "\n" "\\n" value "${value}")
    string(REPLACE "\t" "\\t" value "${value}")
    set(${out} "\"${value}\"" PARENT_SCOPE)
endfunction()

function(stint_write_info_dictionary path)
    set(members "")
    foreach(key BACKEND_URL GOOGLE_CLIENT_ID GOOGLE_CLIENT_SECRET GOOGLE_AUTH_URL
                GOOGLE_TOKEN_URL GOOGLE_REVOKE_URL GOOGLE_KEYS_URL GOOGLE_TOKENINFO_URL
                GOOGLE_TASKS_URL GOOGLE_EVENTS_URL PRIVACY_POLICY_HOST)
        if(NOT "${${key}}" STREQUAL "")
            _stint_json_string(json "${${key}}")
            list(APPEND members "  \"${key}\": ${json}")
        endif()
    endforeach()
    list(JOIN members ",\n" body)
    # Written through a copy so an unchanged dictionary does not trigger a rebuild.
    file(WRITE "${path}.tmp" "{\n${body}\n}\n")
    configure_file("${path}.tmp" "${path}" COPYONLY)
endfunction()
