#include "pagegrid.h"

#include <algorithm>
#include <cmath>

namespace {

// How many of `size` fit in `room` with at least `gap` between them.
int32_t fitting(double room, double size, double gap) {
  return int32_t(std::floor((room + gap + 1e-9) / (size + gap)));
}

// TooMany: at most `high`, from 1.
Refusal refusal(JobField field, RefusalReason reason, int64_t high = 0) {
  return {field, reason, high > 0 ? 1 : 0, high};
}

} // namespace

std::variant<PageGrid, Refusal> layOutGrid(const GridRequest &request) {
  PageGrid grid;
  grid.cellWidthMm = request.itemWidthMm;
  grid.cellHeightMm = request.itemHeightMm;
  grid.numberWidthMm = request.numberWidthMm;
  grid.numberHeightMm = request.numberHeightMm;
  grid.firstPageTopMm = request.bandHeightMm;
  const double firstRoom = request.page.height - request.bandHeightMm - request.footerRoomMm;
  const double laterRoom = request.page.height - request.footerRoomMm;

  const int32_t columnsFit = fitting(request.page.width, grid.cellWidthMm, request.columnGapMm);
  const int32_t rowsFit = fitting(firstRoom, grid.cellHeightMm, request.rowGapMm);
  if (columnsFit < 1 || rowsFit < 1)
    return refusal(JobField::Size, RefusalReason::DoesNotFit);
  if (request.columns && *request.columns > columnsFit)
    return refusal(JobField::Columns, RefusalReason::TooMany, columnsFit);
  if (request.rows && *request.rows > rowsFit)
    return refusal(JobField::Rows, RefusalReason::TooMany, rowsFit);
  grid.columns = request.columns ? int32_t(*request.columns) : columnsFit;
  grid.firstPageRows = request.rows ? int32_t(*request.rows) : rowsFit;
  grid.laterPageRows =
      request.rows ? grid.firstPageRows : fitting(laterRoom, grid.cellHeightMm, request.rowGapMm);

  const int64_t firstPage = int64_t{grid.columns} * grid.firstPageRows;
  const int64_t laterPage = int64_t{grid.columns} * grid.laterPageRows;
  const int64_t count = request.count > 0 ? request.count : firstPage;
  grid.pages = int32_t(1 + (std::max<int64_t>(count - firstPage, 0) + laterPage - 1) / laterPage);

  // Columns spread to both edges; rows share out the height, those of a
  // sheet shorter than its first page too.
  grid.columnPitchMm =
      grid.columns > 1 ? (request.page.width - grid.cellWidthMm) / (grid.columns - 1) : 0;
  const int64_t firstRows =
      std::min<int64_t>(grid.firstPageRows, (count + grid.columns - 1) / grid.columns);
  grid.firstRowPitchMm = firstRoom / double(std::max<int64_t>(firstRows, 1));
  grid.laterRowPitchMm = laterRoom / grid.laterPageRows;
  return grid;
}

int32_t itemsOnPage(const PageGrid &grid, int32_t page) {
  return grid.columns * (page == 0 ? grid.firstPageRows : grid.laterPageRows);
}

RectMm cellOf(const PageGrid &grid, int32_t page, int32_t index) {
  const int32_t row = index / grid.columns;
  const int32_t column = index % grid.columns;
  const double pitch = page == 0 ? grid.firstRowPitchMm : grid.laterRowPitchMm;
  const double top = (page == 0 ? grid.firstPageTopMm : 0) + row * pitch;
  return {column * grid.columnPitchMm, top + (pitch - grid.cellHeightMm) / 2, grid.cellWidthMm,
          grid.cellHeightMm};
}
