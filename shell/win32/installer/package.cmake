# SPDX-FileCopyrightText: 2026 The Cijferwerf developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Windows Installer package from its source, the same package
# byte for byte from the same files. Its product code and its package code
# (the summary's revision number) are name-based UUIDs of a digest of all the
# package holds: the source with its version, each file it names, and its
# time. So the same files give the same codes, and a package that holds
# anything else has codes of its own: a rebuild that differs replaces the
# installed one as a newer version does. Its times (the summary's, the
# files' in the cabinet) are SOURCE_DATE_EPOCH.
#
# Usage: cmake -DSOURCE=folder/name.wxs.in -DOUTPUT=package.msi -DEPOCH=seconds
#              -DNAMESPACE=uuid [-DWIXL=wixl] [-DMSIBUILD=msibuild] [-DMSIINFO=msiinfo]
#              [-DFAKETIME=faketime] -P package.cmake
# SOURCE names its files relative to its folder and holds ${CIJFERWERF_PRODUCT_CODE}
# where the product code goes. Without FAKETIME the summary holds the time of
# the build.
foreach(tool WIXL MSIBUILD MSIINFO)
    string(TOLOWER ${tool} name)
    if(NOT ${tool})
        set(${tool} ${name})
    endif()
endforeach()
get_filename_component(folder ${SOURCE} DIRECTORY)
file(READ ${SOURCE} source)

set(contents "${source}time ${EPOCH}\n")
string(REGEX MATCHALL "Source(File)?=\"[^\"]+\"" named "${source}")
list(SORT named)
foreach(attribute IN LISTS named)
    string(REGEX REPLACE "^[A-Za-z]+=\"(.*)\"$" "\\1" file "${attribute}")
    file(SHA256 ${folder}/${file} digest)
    string(APPEND contents "${file} ${digest}\n")
endforeach()
string(UUID CIJFERWERF_PRODUCT_CODE NAMESPACE ${NAMESPACE} NAME "product\n${contents}" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${NAMESPACE} NAME "package\n${contents}" TYPE SHA1 UPPER)
string(CONFIGURE "${source}" wxs)
get_filename_component(name ${OUTPUT} NAME_WLE)
set(wxs_file ${folder}/${name}.wxs)
file(WRITE ${wxs_file} "${wxs}")

# The cabinet records each file's time.
foreach(attribute IN LISTS named)
    string(REGEX REPLACE "^[A-Za-z]+=\"(.*)\"$" "\\1" file "${attribute}")
    execute_process(COMMAND touch -d @${EPOCH} ${folder}/${file} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
set(at_epoch)
if(FAKETIME)
    # The clock stands still at SOURCE_DATE_EPOCH, for wixl and msibuild.
    set(ENV{SOURCE_DATE_EPOCH} ${EPOCH})
    string(TIMESTAMP time "%Y-%m-%d %H:%M:%S" UTC)
    set(at_epoch ${CMAKE_COMMAND} -E env TZ=UTC NO_FAKE_STAT=1 ${FAKETIME} -f ${time})
endif()
execute_process(COMMAND ${at_epoch} ${WIXL} -a x64 -o ${OUTPUT} ${wxs_file}
    WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)

# wixl picks a random package code: the summary is written again with the
# derived one, and what wixl wrote in it.
execute_process(COMMAND ${MSIINFO} suminfo ${OUTPUT} OUTPUT_VARIABLE summary
    COMMAND_ERROR_IS_FATAL ANY)
foreach(field Subject Author Template)
    string(REGEX MATCH "\n${field}: ([^\n]*)" line "\n${summary}")
    set(${field} "${CMAKE_MATCH_1}")
endforeach()
execute_process(COMMAND ${at_epoch} ${MSIBUILD} ${OUTPUT}
        -s "${Subject}" "${Author}" "${Template}" "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
