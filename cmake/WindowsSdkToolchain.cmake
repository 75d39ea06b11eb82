# SPDX-License-Identifier: GPL-3.0-or-later
# Cross toolchain of the `windows` preset: the Windows SDK named by $AEROLAP_WINDOWS_SDK (an
# unpacked prefix), else the SDK tarball in ../shared/windows-sdk/ beside the project, unpacked
# once under build/. CMake reads a toolchain file again for each compiler check, so everything
# here must be cheap the second time.
get_filename_component(_aerolap_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

if(NOT "$ENV{AEROLAP_WINDOWS_SDK}" STREQUAL "")
    set(AEROLAP_WINDOWS_SDK "$ENV{AEROLAP_WINDOWS_SDK}")
elseif(NOT AEROLAP_WINDOWS_SDK)
    set(AEROLAP_WINDOWS_SDK "${_aerolap_root}/build/windows-sdk")
    get_filename_component(_aerolap_tarball
        "${_aerolap_root}/../shared/windows-sdk/windows-sdk.tar.xz" ABSOLUTE)
    set(_aerolap_stamp "${AEROLAP_WINDOWS_SDK}/.unpacked")
    if(EXISTS "${_aerolap_tarball}" AND
       (NOT EXISTS "${_aerolap_stamp}" OR "${_aerolap_tarball}" IS_NEWER_THAN "${_aerolap_stamp}"))
        message(STATUS "Unpacking the Windows SDK ${_aerolap_tarball}")
        # Into a fresh folder first, so that an interrupted unpack is never taken for a whole one.
        set(_aerolap_unpacking "${_aerolap_root}/build/windows-sdk.unpacking")
        file(REMOVE_RECURSE "${_aerolap_unpacking}" "${AEROLAP_WINDOWS_SDK}")
        file(MAKE_DIRECTORY "${_aerolap_unpacking}")
        execute_process(COMMAND tar -xJf "${_aerolap_tarball}" -C "${_aerolap_unpacking}"
                        RESULT_VARIABLE _aerolap_status)
        if(NOT _aerolap_status EQUAL 0)
            message(FATAL_ERROR "Could not unpack ${_aerolap_tarball} (tar: ${_aerolap_status})")
        endif()
        file(RENAME "${_aerolap_unpacking}/windows-sdk" "${AEROLAP_WINDOWS_SDK}")
        file(REMOVE_RECURSE "${_aerolap_unpacking}")
        file(TOUCH "${_aerolap_stamp}")
    endif()
endif()

set(_aerolap_qt_toolchain "${AEROLAP_WINDOWS_SDK}/lib/cmake/Qt6/qt.toolchain.cmake")
if(NOT EXISTS "${_aerolap_qt_toolchain}")
    message(FATAL_ERROR "No Windows SDK: set AEROLAP_WINDOWS_SDK to an unpacked SDK, or put "
                        "windows-sdk.tar.xz in ${_aerolap_root}/../shared/windows-sdk/")
endif()
# Passed on to the compiler checks, which run this file again in a project of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES AEROLAP_WINDOWS_SDK)
# pkg-config finds libsndfile and libqrencode in the SDK and nothing of the host.
set(ENV{PKG_CONFIG_LIBDIR} "${AEROLAP_WINDOWS_SDK}/lib/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(QT_HOST_PATH "/usr" CACHE PATH "Where the host's Qt tools (moc, rcc, uic) are")
include("${_aerolap_qt_toolchain}")
# GCC 12 warns falsely of overlapping copies inside std::string at -O3 (its -Wrestrict), which
# warnings as errors would turn into a failed build; -O2 is as fast for this program.
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of the Release build")
