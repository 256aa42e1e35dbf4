# Who and what the program is, written once for the Debian package, the AppStream
# metadata, the copyright file and the manual pages. The version number itself is
# project(VERSION) in the top CMakeLists.txt.

# The day this version was released (YYYY-MM-DD): the date of the manual pages, the
# Debian changelog entry and the metadata's release entry.
set(TOVIRAN_RELEASE_DATE 2026-12-06)
set(TOVIRAN_AUTHOR "TOVIRAN開発チーム")
set(TOVIRAN_COPYRIGHT_YEARS 2026)
# The project's own address: example.org stands in until it has a domain of its own;
# the application id is that domain reversed.
set(TOVIRAN_MAINTAINER "${TOVIRAN_AUTHOR} <toviran@example.org>")
set(TOVIRAN_HOMEPAGE "https://toviran.example.org/")
set(TOVIRAN_APP_ID org.example.toviran)

# The release date as seconds since 1970 (for SOURCE_DATE_EPOCH) and in the RFC 5322
# form of Debian changelogs.
execute_process(COMMAND date -u -d "${TOVIRAN_RELEASE_DATE}" +%s
                OUTPUT_VARIABLE TOVIRAN_RELEASE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND env LC_ALL=C date -u -R -d "${TOVIRAN_RELEASE_DATE}"
                OUTPUT_VARIABLE TOVIRAN_RELEASE_DATE_RFC5322 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
