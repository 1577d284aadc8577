# nira_file_has_sha256(<file> <expected> <result>): TRUE in <result> when
# <file> exists and has the SHA-256 <expected>. Shared by the fetches of
# WordNet and of the pane font, which use a package only once verified.
function(nira_file_has_sha256 file expected result)
  set(${result} FALSE PARENT_SCOPE)
  if(EXISTS "${file}")
    file(SHA256 "${file}" actual)
    if(actual STREQUAL expected)
      set(${result} TRUE PARENT_SCOPE)
    endif()
  endif()
endfunction()
