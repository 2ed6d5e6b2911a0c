# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every discovered test a label, read from the file it is written in, each time ctest runs:
#   program  the file starts the quillmark program (or another process of ours);
#   pdf      it reads printed pages back through poppler or zbarimg;
#   fast     neither: `ctest -L fast` is the quick round to run after every change.
# Every test runs on the offscreen platform and finds its data in the source tree.
# Included by ctest after the tests are discovered; QM_TEST_SOURCE_DIR names the tests' folder.
file(GLOB_RECURSE _qm_sources "${QM_TEST_SOURCE_DIR}/*_test.cpp")
set(_qm_name "[ \t\r\n]*([A-Za-z0-9_]+)[ \t\r\n]*")
foreach(_qm_file IN LISTS _qm_sources)
    file(READ "${_qm_file}" _qm_text)
    set(_qm_label fast)
    if(_qm_text MATCHES "QM_PROGRAM|QProcess")
        set(_qm_label program)
    elseif(_qm_text MATCHES "RenderPdfPage|RunTool\\(|pdftoppm|pdftotext|zbarimg|HavePoppler")
        set(_qm_label pdf)
    endif()
    string(REGEX MATCHALL "TEST(_F|_P)?\\(${_qm_name},${_qm_name}\\)" _qm_tests "${_qm_text}")
    foreach(_qm_test IN LISTS _qm_tests)
        string(REGEX REPLACE "TEST(_F|_P)?\\(${_qm_name},${_qm_name}\\)" "\\2.\\3" _qm_test "${_qm_test}")
        set("_qm_label_${_qm_test}" ${_qm_label})
    endforeach()
endforeach()
# Parameterised tests are named Prefix/Suite.Name/Parameter.
foreach(_qm_test IN LISTS quillmark_tests_TESTS)
    string(REGEX REPLACE "^([^/.]*/)?([A-Za-z0-9_]+\\.[A-Za-z0-9_]+).*" "\\2" _qm_key "${_qm_test}")
    set(_qm_label program)
    if(DEFINED "_qm_label_${_qm_key}")
        set(_qm_label "${_qm_label_${_qm_key}}")
    endif()
    set_tests_properties("${_qm_test}" PROPERTIES LABELS ${_qm_label}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=en;QUILLMARK_SOURCE_DIR=${QM_PROJECT_SOURCE_DIR}")
endforeach()
