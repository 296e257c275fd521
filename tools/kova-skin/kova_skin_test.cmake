# Runs kova-skin end to end: cmake -DTOOL=... -DEMULATOR=... -DSAMPLE=... -DWORK=... -P
# Pack, list, unpack (byte-identical entries), check, the bare compressed-stream
# framing, a skin with problems and unusable input.

function(run expected_code)
  execute_process(COMMAND ${EMULATOR} ${TOOL} ${ARGN}
                  RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code STREQUAL expected_code)
    message(FATAL_ERROR "kova-skin ${ARGN}: exit ${code}, expected ${expected_code}\n${out}\n${err}")
  endif()
  set(out "${out}${err}" PARENT_SCOPE)
endfunction()

function(expect_in text pattern)
  string(FIND "${text}" "${pattern}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${pattern}\" in:\n${text}")
  endif()
endfunction()

function(expect_same_file a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE differ)
  if(differ)
    message(FATAL_ERROR "${a} and ${b} differ")
  endif()
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

run(0 --help)
expect_in("${out}" "usage: kova-skin pack")

run(0 pack ${SAMPLE} -o ${WORK}/sample.skn --format 30000)
run(0 list ${WORK}/sample.skn)
expect_in("${out}" "format 30000, 4 entries")
expect_in("${out}" "\tSkin.ini")  # the INI comes first

run(0 unpack ${WORK}/sample.skn -o ${WORK}/unpacked)
file(GLOB sample_files RELATIVE ${SAMPLE} ${SAMPLE}/*)
foreach(name IN LISTS sample_files)
  expect_same_file(${SAMPLE}/${name} ${WORK}/unpacked/${name})
endforeach()

run(0 check ${WORK}/sample.skn)
expect_in("${out}" "ok, 4 entries")

run(0 compress ${SAMPLE}/Title.bmp -o ${WORK}/title.lzh)
run(0 decompress ${WORK}/title.lzh -o ${WORK}/title.bmp)
expect_same_file(${SAMPLE}/Title.bmp ${WORK}/title.bmp)

# A skin whose INI names an image in capitals, a missing image and a broken BMP.
file(MAKE_DIRECTORY ${WORK}/bad)
file(COPY ${SAMPLE}/Title.bmp DESTINATION ${WORK}/bad)
file(WRITE ${WORK}/bad/skin.ini "[Title]\nTextBack=Title.BMP\n[Buttons]\nBitmap=gone.bmp\n")
file(WRITE ${WORK}/bad/broken.bmp "BM but nothing else")
run(0 pack ${WORK}/bad -o ${WORK}/bad.skn)
run(1 check ${WORK}/bad.skn)
expect_in("${out}" "Title/textback")
expect_in("${out}" "Buttons/bitmap")
expect_in("${out}" "broken.bmp: not a readable BMP")

# Unusable input.
file(WRITE ${WORK}/garbage.skn "\xff\xff\xff\x7f garbage")
run(2 list ${WORK}/garbage.skn)
expect_in("${out}" "not a usable skin file")
run(2 decompress ${WORK}/garbage.skn -o ${WORK}/garbage.out)
run(2 list ${WORK}/does-not-exist.skn)
run(2 pack ${SAMPLE} -o ${WORK}/x.skn --format 12345)
run(2 frobnicate)

# Preview: a PNG of the frame; bad sizes and unusable skins are refused.
run(0 preview ${WORK}/sample.skn -o ${WORK}/preview.png --size 200x120 --inactive --caption Test)
file(READ ${WORK}/preview.png png_head LIMIT 8 HEX)
if(NOT png_head STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "preview did not write a PNG file")
endif()
run(2 preview ${WORK}/sample.skn -o ${WORK}/p.png --size 0x10)
run(2 preview ${WORK}/sample.skn -o ${WORK}/p.png --size wide)
run(2 preview ${WORK}/garbage.skn -o ${WORK}/p.png)
run(2 preview ${WORK}/sample.skn)
