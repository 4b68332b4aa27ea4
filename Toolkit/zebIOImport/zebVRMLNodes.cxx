// Parses VRML 2.0 text into the nodes the reader understands. Nodes and
// fields of other kinds are skipped by their brackets; PROTO, EXTERNPROTO and
// ROUTE statements are skipped whole.
#include "zebVRMLNodes.h"
#include "zebVRMLLexer.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <map>

namespace
{
const char* const Header = "#VRML V2.0 utf8";
const int MaximumDepth = 100;
// Brackets nested in the parts of a file that are skipped.
const size_t MaximumSkippedDepth = 100000;

bool IsKnownNodeType(const std::string& type)
{
  static const char* const known[] = { "Transform", "Group",          "Shape",      "Appearance",
                                       "Material",  "IndexedFaceSet", "Coordinate", "Normal" };
  for (const char* name : known)
  {
    if (type == name)
    {
      return true;
    }
  }
  return false;
}

bool LooksLikeValue(const zebVRMLToken& token)
{
  if (token.Kind == zebVRMLTokenKind::String)
  {
    return true;
  }
  if (token.Kind != zebVRMLTokenKind::Word)
  {
    return false;
  }
  char first = token.Text[0];
  return (first >= '0' && first <= '9') || first == '+' || first == '-' || first == '.' ||
         token.Text == "TRUE" || token.Text == "FALSE" || token.Text == "NULL";
}

class Parser
{
public:
  explicit Parser(zebVRMLInput& input)
    : Lexer(input)
  {
  }

  bool ParseScene(std::vector<zebVRMLNodePointer>& roots);
  std::string Error;

private:
  bool Fail(int line, const std::string& message);
  bool FailAt(const zebVRMLToken& token, const std::string& expected);
  bool TakeWord(std::string& word, const char* what);
  bool CountNode(int line);
  bool TooLarge(int line, const std::string& field, size_t limit);

  bool ParseChildStatement(int depth, std::vector<zebVRMLNodePointer>& nodes);
  bool ParseNodeStatement(int depth, zebVRMLNodePointer& node);
  bool ParseNode(const zebVRMLToken& type, int depth, zebVRMLNodePointer& node);
  bool ParseField(zebVRMLNode& node, const zebVRMLToken& field, int depth);
  bool ParseNodeField(int depth, zebVRMLNodePointer& node);
  bool ParseChildren(int depth, std::vector<zebVRMLNodePointer>& children);

  bool ReadDouble(const std::string& field, double& value);
  bool ReadDoubles(const std::string& field, double* values, int count);
  bool ReadBool(const std::string& field, bool& value);
  bool ReadInts(const std::string& field, std::vector<int>& values);
  bool ReadVectors(const std::string& field, std::vector<double>& values);

  bool SkipStatement(const zebVRMLToken& keyword);
  bool SkipValue(const std::string& field);
  bool SkipBalanced(const zebVRMLToken& opening);

  zebVRMLLexer Lexer;
  std::map<std::string, zebVRMLNodePointer> Names;
  size_t Nodes = 0;
};

bool Parser::Fail(int line, const std::string& message)
{
  if (this->Error.empty())
  {
    this->Error = "line " + std::to_string(line) + ": " + message;
  }
  return false;
}

bool Parser::FailAt(const zebVRMLToken& token, const std::string& expected)
{
  if (token.Kind == zebVRMLTokenKind::Invalid)
  {
    return this->Fail(token.Line, token.Text);
  }
  return this->Fail(token.Line,
                    "expected " + expected + " but found " + zebDescribeVRMLToken(token));
}

// Counts a node or a DEF name against the bound of the file.
bool Parser::CountNode(int line)
{
  if (++this->Nodes > zebVRMLMaximumNodes)
  {
    return this->Fail(line,
                      "the scene is too large (more than " + std::to_string(zebVRMLMaximumNodes) +
                        " nodes and names)");
  }
  return true;
}

bool Parser::TooLarge(int line, const std::string& field, size_t limit)
{
  return this->Fail(line,
                    "the scene is too large (" + field + " has more than " + std::to_string(limit) +
                      " entries)");
}

bool Parser::TakeWord(std::string& word, const char* what)
{
  zebVRMLToken token = this->Lexer.Take();
  if (token.Kind != zebVRMLTokenKind::Word)
  {
    return this->FailAt(token, what);
  }
  word = token.Text;
  return true;
}

bool Parser::ParseScene(std::vector<zebVRMLNodePointer>& roots)
{
  while (this->Lexer.Peek().Kind != zebVRMLTokenKind::End)
  {
    if (!this->ParseChildStatement(0, roots))
    {
      return false;
    }
  }
  return true;
}

// A statement among the roots or in a children list: a node, or a PROTO,
// EXTERNPROTO or ROUTE statement, which is skipped.
bool Parser::ParseChildStatement(int depth, std::vector<zebVRMLNodePointer>& nodes)
{
  const zebVRMLToken& next = this->Lexer.Peek();
  if (next.Kind == zebVRMLTokenKind::Word &&
      (next.Text == "PROTO" || next.Text == "EXTERNPROTO" || next.Text == "ROUTE"))
  {
    return this->SkipStatement(this->Lexer.Take());
  }
  zebVRMLNodePointer node;
  if (!this->ParseNodeStatement(depth, node))
  {
    return false;
  }
  if (node)
  {
    nodes.push_back(node);
  }
  return true;
}

// DEF name node, USE name, or a node. Gives null for a node that is skipped.
bool Parser::ParseNodeStatement(int depth, zebVRMLNodePointer& node)
{
  if (depth >= MaximumDepth)
  {
    return this->Fail(this->Lexer.Peek().Line,
                      "nodes nested deeper than " + std::to_string(MaximumDepth) + " levels");
  }
  zebVRMLToken first = this->Lexer.Take();
  if (first.Kind != zebVRMLTokenKind::Word)
  {
    return this->FailAt(first, "a node");
  }
  std::string name;
  if (first.Text == "USE")
  {
    if (!this->TakeWord(name, "a name after USE"))
    {
      return false;
    }
    auto found = this->Names.find(name);
    if (found == this->Names.end())
    {
      return this->Fail(first.Line, "USE of undefined name '" + name + "'");
    }
    node = found->second;
    return true;
  }
  if (first.Text == "DEF")
  {
    if (!this->TakeWord(name, "a name after DEF") || !this->CountNode(first.Line))
    {
      return false;
    }
    first = this->Lexer.Take();
    if (first.Kind != zebVRMLTokenKind::Word)
    {
      return this->FailAt(first, "a node after DEF " + name);
    }
  }
  if (!this->ParseNode(first, depth, node))
  {
    return false;
  }
  if (!name.empty())
  {
    this->Names[name] = node;
  }
  return true;
}

bool Parser::ParseNode(const zebVRMLToken& type, int depth, zebVRMLNodePointer& node)
{
  zebVRMLToken open = this->Lexer.Take();
  if (open.Kind != zebVRMLTokenKind::OpenBrace)
  {
    return this->FailAt(open, "'{' after " + type.Text);
  }
  if (!IsKnownNodeType(type.Text))
  {
    node = nullptr;
    return this->SkipBalanced(open);
  }
  if (!this->CountNode(type.Line))
  {
    return false;
  }
  node = std::make_shared<zebVRMLNode>();
  node->Type = type.Text;
  node->Line = type.Line;
  for (;;)
  {
    zebVRMLToken token = this->Lexer.Take();
    if (token.Kind == zebVRMLTokenKind::CloseBrace)
    {
      return true;
    }
    if (token.Kind != zebVRMLTokenKind::Word)
    {
      if (token.Kind == zebVRMLTokenKind::End)
      {
        return this->Fail(open.Line, "'{' of " + type.Text + " is never closed");
      }
      return this->FailAt(token, "a field name or '}'");
    }
    bool statement = token.Text == "PROTO" || token.Text == "EXTERNPROTO" || token.Text == "ROUTE";
    if (!(statement ? this->SkipStatement(token) : this->ParseField(*node, token, depth)))
    {
      return false;
    }
  }
}

bool Parser::ParseField(zebVRMLNode& node, const zebVRMLToken& field, int depth)
{
  const std::string& type = node.Type;
  const std::string& name = field.Text;
  if (type == "Transform")
  {
    if (name == "translation")
      return this->ReadDoubles(name, node.Translation, 3);
    if (name == "rotation")
      return this->ReadDoubles(name, node.Rotation, 4);
    if (name == "scale")
      return this->ReadDoubles(name, node.Scale, 3);
    if (name == "scaleOrientation")
      return this->ReadDoubles(name, node.ScaleOrientation, 4);
    if (name == "center")
      return this->ReadDoubles(name, node.Center, 3);
  }
  if ((type == "Transform" || type == "Group") && name == "children")
    return this->ParseChildren(depth + 1, node.Children);
  if (type == "Shape" && name == "appearance")
    return this->ParseNodeField(depth + 1, node.Appearance);
  if (type == "Shape" && name == "geometry")
    return this->ParseNodeField(depth + 1, node.Geometry);
  if (type == "Appearance" && name == "material")
    return this->ParseNodeField(depth + 1, node.Material);
  if (type == "Material")
  {
    if (name == "diffuseColor")
      return this->ReadDoubles(name, node.DiffuseColor, 3);
    if (name == "specularColor")
      return this->ReadDoubles(name, node.SpecularColor, 3);
    if (name == "shininess")
      return this->ReadDouble(name, node.Shininess);
    if (name == "transparency")
      return this->ReadDouble(name, node.Transparency);
  }
  if (type == "IndexedFaceSet")
  {
    if (name == "coord")
      return this->ParseNodeField(depth + 1, node.Coord);
    if (name == "normal")
      return this->ParseNodeField(depth + 1, node.Normal);
    if (name == "coordIndex")
      return this->ReadInts(name, node.CoordIndex);
    if (name == "normalIndex")
      return this->ReadInts(name, node.NormalIndex);
    if (name == "normalPerVertex")
      return this->ReadBool(name, node.NormalPerVertex);
    if (name == "ccw")
      return this->ReadBool(name, node.Ccw);
    if (name == "solid")
      return this->ReadBool(name, node.Solid);
    if (name == "creaseAngle")
      return this->ReadDouble(name, node.CreaseAngle);
  }
  if ((type == "Coordinate" && name == "point") || (type == "Normal" && name == "vector"))
    return this->ReadVectors(name, node.Vectors);
  return this->SkipValue(name);
}

// The value of a field holding one node: NULL, or a node statement.
bool Parser::ParseNodeField(int depth, zebVRMLNodePointer& node)
{
  const zebVRMLToken& next = this->Lexer.Peek();
  if (next.Kind == zebVRMLTokenKind::Word && next.Text == "NULL")
  {
    this->Lexer.Take();
    node = nullptr;
    return true;
  }
  return this->ParseNodeStatement(depth, node);
}

// The value of a children field: one statement, or a list of them in [ ].
bool Parser::ParseChildren(int depth, std::vector<zebVRMLNodePointer>& children)
{
  if (this->Lexer.Peek().Kind != zebVRMLTokenKind::OpenBracket)
  {
    return this->ParseChildStatement(depth, children);
  }
  zebVRMLToken open = this->Lexer.Take();
  for (;;)
  {
    zebVRMLTokenKind next = this->Lexer.Peek().Kind;
    if (next == zebVRMLTokenKind::CloseBracket)
    {
      this->Lexer.Take();
      return true;
    }
    if (next == zebVRMLTokenKind::End)
    {
      return this->Fail(open.Line, "'[' of children is never closed");
    }
    if (!this->ParseChildStatement(depth, children))
    {
      return false;
    }
  }
}

bool Parser::ReadDouble(const std::string& field, double& value)
{
  zebVRMLToken token = this->Lexer.Take();
  if (token.Kind != zebVRMLTokenKind::Word)
  {
    return this->FailAt(token, "a number for " + field);
  }
  const char* text = token.Text.c_str();
  char* end = nullptr;
  value = strtod(text, &end);
  if (end != text + token.Text.size() || !std::isfinite(value))
  {
    return this->Fail(token.Line, "bad number '" + token.Text + "' in " + field);
  }
  return true;
}

bool Parser::ReadDoubles(const std::string& field, double* values, int count)
{
  for (int i = 0; i < count; ++i)
  {
    if (!this->ReadDouble(field, values[i]))
    {
      return false;
    }
  }
  return true;
}

bool Parser::ReadBool(const std::string& field, bool& value)
{
  zebVRMLToken token = this->Lexer.Take();
  if (token.Kind == zebVRMLTokenKind::Word && (token.Text == "TRUE" || token.Text == "FALSE"))
  {
    value = token.Text == "TRUE";
    return true;
  }
  return this->FailAt(token, "TRUE or FALSE for " + field);
}

// An MFInt32 value: one integer, or a list of them in [ ].
bool Parser::ReadInts(const std::string& field, std::vector<int>& values)
{
  values.clear();
  bool list = this->Lexer.Peek().Kind == zebVRMLTokenKind::OpenBracket;
  if (list)
  {
    this->Lexer.Take();
  }
  while (!list || this->Lexer.Peek().Kind != zebVRMLTokenKind::CloseBracket)
  {
    zebVRMLToken token = this->Lexer.Take();
    if (token.Kind != zebVRMLTokenKind::Word)
    {
      return this->FailAt(token, "an integer for " + field);
    }
    const char* text = token.Text.c_str();
    char* end = nullptr;
    errno = 0;
    long value = strtol(text, &end, 10);
    if (end != text + token.Text.size() || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    {
      return this->Fail(token.Line, "bad integer '" + token.Text + "' in " + field);
    }
    if (values.size() == zebVRMLMaximumIndices)
    {
      return this->TooLarge(token.Line, field, zebVRMLMaximumIndices);
    }
    values.push_back(static_cast<int>(value));
    if (!list)
    {
      return true;
    }
  }
  this->Lexer.Take();
  return true;
}

// An MFVec3f value: three numbers, or a list of triples in [ ].
bool Parser::ReadVectors(const std::string& field, std::vector<double>& values)
{
  values.clear();
  if (this->Lexer.Peek().Kind != zebVRMLTokenKind::OpenBracket)
  {
    values.resize(3);
    return this->ReadDoubles(field, values.data(), 3);
  }
  zebVRMLToken open = this->Lexer.Take();
  while (this->Lexer.Peek().Kind != zebVRMLTokenKind::CloseBracket)
  {
    if (values.size() == 3 * zebVRMLMaximumVectors)
    {
      return this->TooLarge(this->Lexer.Peek().Line, field, 3 * zebVRMLMaximumVectors);
    }
    double value = 0;
    if (!this->ReadDouble(field, value))
    {
      return false;
    }
    values.push_back(value);
  }
  this->Lexer.Take();
  if (values.size() % 3 != 0)
  {
    return this->Fail(open.Line, field + " needs three numbers per entry");
  }
  return true;
}

// PROTO name [ ... ] { ... }, EXTERNPROTO name [ ... ] url, or ROUTE a.b TO c.d.
bool Parser::SkipStatement(const zebVRMLToken& keyword)
{
  std::string word;
  if (keyword.Text == "ROUTE")
  {
    return this->TakeWord(word, "an event after ROUTE") && this->TakeWord(word, "TO") &&
           this->TakeWord(word, "an event after TO");
  }
  if (!this->TakeWord(word, ("a name after " + keyword.Text).c_str()))
  {
    return false;
  }
  zebVRMLToken open = this->Lexer.Take();
  if (open.Kind != zebVRMLTokenKind::OpenBracket)
  {
    return this->FailAt(open, "'[' after " + keyword.Text + " " + word);
  }
  if (!this->SkipBalanced(open))
  {
    return false;
  }
  if (keyword.Text == "EXTERNPROTO")
  {
    return this->SkipValue("EXTERNPROTO " + word);
  }
  open = this->Lexer.Take();
  if (open.Kind != zebVRMLTokenKind::OpenBrace)
  {
    return this->FailAt(open, "'{' after the interface of PROTO " + word);
  }
  return this->SkipBalanced(open);
}

// The value of a field the reader does not use: a list in [ ], a node, or a
// run of numbers, strings and keywords.
bool Parser::SkipValue(const std::string& field)
{
  zebVRMLToken token = this->Lexer.Take();
  if (token.Kind == zebVRMLTokenKind::OpenBracket)
  {
    return this->SkipBalanced(token);
  }
  if (token.Kind == zebVRMLTokenKind::Word && (token.Text == "DEF" || token.Text == "USE"))
  {
    std::string name;
    if (!this->TakeWord(name, ("a name after " + token.Text).c_str()))
    {
      return false;
    }
    if (token.Text == "USE")
    {
      return true;
    }
    if (!this->CountNode(token.Line))
    {
      return false;
    }
    this->Names[name] = nullptr;
    token = this->Lexer.Take();
  }
  if (!LooksLikeValue(token))
  {
    zebVRMLToken open = this->Lexer.Take();
    if (token.Kind != zebVRMLTokenKind::Word || open.Kind != zebVRMLTokenKind::OpenBrace)
    {
      return this->FailAt(token.Kind == zebVRMLTokenKind::Word ? open : token,
                          "a value for " + field);
    }
    return this->SkipBalanced(open);
  }
  while (LooksLikeValue(this->Lexer.Peek()))
  {
    this->Lexer.Take();
  }
  return true;
}

// Skips to the bracket that closes opening, checking that brackets pair up.
// Names given by DEF on the way stay known, as names of skipped nodes.
bool Parser::SkipBalanced(const zebVRMLToken& opening)
{
  std::vector<zebVRMLToken> open(1, opening);
  while (!open.empty())
  {
    zebVRMLToken token = this->Lexer.Take();
    switch (token.Kind)
    {
      case zebVRMLTokenKind::OpenBrace:
      case zebVRMLTokenKind::OpenBracket:
        if (open.size() == MaximumSkippedDepth)
        {
          return this->Fail(token.Line,
                            "brackets nested deeper than " + std::to_string(MaximumSkippedDepth) +
                              " levels");
        }
        open.push_back(token);
        break;
      case zebVRMLTokenKind::CloseBrace:
      case zebVRMLTokenKind::CloseBracket:
      {
        bool brace = open.back().Kind == zebVRMLTokenKind::OpenBrace;
        if (brace != (token.Kind == zebVRMLTokenKind::CloseBrace))
        {
          return this->Fail(token.Line,
                            "unbalanced brackets: " + zebDescribeVRMLToken(token) + " closes " +
                              zebDescribeVRMLToken(open.back()) + " of line " +
                              std::to_string(open.back().Line));
        }
        open.pop_back();
        break;
      }
      case zebVRMLTokenKind::End:
        return this->Fail(open.back().Line, zebDescribeVRMLToken(open.back()) + " is never closed");
      case zebVRMLTokenKind::Invalid:
        return this->FailAt(token, "");
      case zebVRMLTokenKind::Word:
        if (token.Text == "DEF" && this->Lexer.Peek().Kind == zebVRMLTokenKind::Word)
        {
          if (!this->CountNode(token.Line))
          {
            return false;
          }
          this->Names[this->Lexer.Take().Text] = nullptr;
        }
        break;
      case zebVRMLTokenKind::String:
        break;
    }
  }
  return true;
}
}

bool zebParseVRMLNodes(zebVRMLInput& input,
                       std::vector<zebVRMLNodePointer>& roots,
                       std::string& error)
{
  roots.clear();
  if (input.Peek() < 0)
  {
    error = "the file is empty";
    return false;
  }
  if (!input.StartsWith(Header))
  {
    error = std::string("line 1: not a VRML 2.0 file (it does not start with \"") + Header + "\")";
    return false;
  }
  Parser parser(input);
  if (!parser.ParseScene(roots))
  {
    roots.clear();
    error = parser.Error;
    return false;
  }
  return true;
}
