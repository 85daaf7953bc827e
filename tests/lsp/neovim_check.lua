-- Neovim's own language server client drives `tesvar lsp`: it opens a
-- buffer, waits for the diagnostics, asks for a hover, applies a grammar
-- fix and a spelling fix and checks the diagnostics that follow the
-- edits, then stops the server and checks its exit status. Written for Neovim 0.7, the oldest that CI
-- has. Run by run_neovim_check.sh, which exits non-zero on any failure.

local tesvar = assert(os.getenv("TESVAR_BIN"), "TESVAR_BIN is not set")
local dir = assert(os.getenv("TESVAR_WORK"), "TESVAR_WORK is not set")

local function wait_for(what, condition)
  if not vim.wait(15000, condition, 20) then
    error("timed out waiting for " .. what)
  end
end

local function expect(what, got, wanted)
  if not vim.deep_equal(got, wanted) then
    error(string.format("%s: got %s, wanted %s", what, vim.inspect(got),
                        vim.inspect(wanted)))
  end
end

local function write(path, text)
  local file = assert(io.open(path, "w"))
  file:write(text)
  file:close()
end

local function check()
  -- A lexicon of two nouns: "qagh" is unknown to the built-in one, so the
  -- diagnostics show that the setting took effect.
  local lexicon = dir .. "/words.tsv"
  write(lexicon, "key\theadword\tpos\tdefinition\n" ..
                 "Dal:N\tDal\tN\thouse\nqagh:N\tqagh\tN\tmistake\n")
  -- An emoji (two UTF-16 units, four bytes) and a typographic apostrophe
  -- (one unit, three bytes) before and in the words put the position
  -- conversions of both sides to the test.
  local path = dir .. "/text.txt"
  write(path, "\u{1F600} Dalpu\u{2019} naDevDaq qagh Dalmay\n")
  vim.cmd("edit " .. path)
  local bufnr = vim.api.nvim_get_current_buf()

  local exit_code
  -- The settings as the README shows them.
  local client_id = vim.lsp.start_client({
    name = "tesvar",
    cmd = { tesvar, "lsp" },
    root_dir = dir,
    settings = { tesvar = { lexicon = lexicon } },
    on_init = function(client)
      client.notify("workspace/didChangeConfiguration",
                    { settings = client.config.settings })
    end,
    on_exit = function(code) exit_code = code end,
  })
  assert(client_id, "the client did not start")
  vim.lsp.buf_attach_client(bufnr, client_id)
  local client = vim.lsp.get_client_by_id(client_id)

  wait_for("three diagnostics", function()
    return #vim.diagnostic.get(bufnr) == 3
  end)
  local diagnostics = vim.diagnostic.get(bufnr)
  table.sort(diagnostics, function(a, b) return a.col < b.col end)
  -- Neovim turns the UTF-16 columns into byte columns.
  expect("first diagnostic", { diagnostics[1].col, diagnostics[1].end_col },
         { 5, 13 })
  expect("first message", diagnostics[1].message,
         "Plural suffix {-pu'} is for beings capable of language.")
  expect("second diagnostic", { diagnostics[2].col, diagnostics[2].end_col },
         { 14, 22 })
  expect("third diagnostic", { diagnostics[3].col, diagnostics[3].end_col },
         { 28, 34 })

  local uri = vim.uri_from_bufnr(bufnr)
  local hover = client.request_sync("textDocument/hover", {
    textDocument = { uri = uri },
    position = { line = 0, character = 5 },
  }, 10000, bufnr)
  assert(hover and hover.result, "no hover: " .. vim.inspect(hover))
  local value = hover.result.contents.value
  assert(value:find("[N] house (pl)", 1, true), "hover text: " .. value)
  assert(value:find("key Dal:N, score 0.5", 1, true), "hover text: " .. value)
  hover = client.request_sync("textDocument/hover", {
    textDocument = { uri = uri },
    position = { line = 0, character = 22 },
  }, 10000, bufnr)
  assert(hover and hover.result, "no hover: " .. vim.inspect(hover))
  value = hover.result.contents.value
  assert(value:find("key qagh:N, score 1", 1, true), "hover text: " .. value)

  -- The quick fixes of the word at `character` (a UTF-16 column).
  local function actions_at(character)
    local actions = client.request_sync("textDocument/codeAction", {
      textDocument = { uri = uri },
      range = { start = { line = 0, character = character },
                ["end"] = { line = 0, character = character } },
      context = { diagnostics = {} },
    }, 10000, bufnr)
    assert(actions and actions.result,
           "no code actions: " .. vim.inspect(actions))
    return actions.result
  end
  local function titles(actions)
    return vim.tbl_map(function(action) return action.title end, actions)
  end

  -- The grammar correction comes first, then the spelling ones.
  local actions = actions_at(4)
  expect("grammar actions", titles(actions)[1], 'Change to "Dalmey"')
  assert(#actions > 1, "no spelling corrections: " .. vim.inspect(titles(actions)))
  vim.lsp.util.apply_workspace_edit(actions[1].edit, client.offset_encoding)
  expect("edited line", vim.api.nvim_buf_get_lines(bufnr, 0, 1, true)[1],
         "\u{1F600} Dalmey naDevDaq qagh Dalmay")
  -- Neovim sends the edit as an incremental change.
  wait_for("two diagnostics after the grammar fix", function()
    return #vim.diagnostic.get(bufnr) == 2
  end)

  actions = actions_at(26)
  expect("spelling actions", titles(actions),
         { 'Change to "Dalmaj"', 'Change to "Dalmey"' })
  vim.lsp.util.apply_workspace_edit(actions[2].edit, client.offset_encoding)
  expect("edited line", vim.api.nvim_buf_get_lines(bufnr, 0, 1, true)[1],
         "\u{1F600} Dalmey naDevDaq qagh Dalmey")
  wait_for("one diagnostic after the spelling fix", function()
    return #vim.diagnostic.get(bufnr) == 1
  end)
  expect("remaining diagnostic", vim.diagnostic.get(bufnr)[1].col, 12)

  client.stop()
  wait_for("the server to exit", function() return exit_code ~= nil end)
  expect("exit status", exit_code, 0)
end

local ok, err = pcall(check)
if not ok then
  io.stderr:write("neovim_check: FAILED: " .. tostring(err) .. "\n")
  vim.cmd("cquit 1")
end
io.stdout:write("neovim_check: passed\n")
vim.cmd("qall!")
